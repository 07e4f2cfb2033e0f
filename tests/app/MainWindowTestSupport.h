#pragma once

#include "app/TMainForm.h"

#include <QAction>
#include <QByteArray>
#include <QStringList>

#include <memory>

class TestEnvironment;

namespace MainWindowTest {

// Project file text with the given top-level titles; the first one gets
// the sub-entries when children is set.
QByteArray projectText(const QString &name, const QStringList &titles, const QStringList &children = {});

// Writes a project file into the environment and returns its path.
QString writeProject(const TestEnvironment &env, const QString &relative, const QStringList &titles = {"Eins"},
                     const QStringList &children = {});

std::unique_ptr<TMainForm> makeWindow(const StartConfig &config = {});

QAction *action(const TMainForm &window, const char *name);

QString fileText(const QString &fileName);

} // namespace MainWindowTest

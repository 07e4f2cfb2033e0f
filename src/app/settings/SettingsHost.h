#pragma once

#include "common/settings/Settings.h"

#include <QString>

class QWidget;

// The state of one toolbar as the settings file stores it.
struct ToolbarState {
    bool hidden = false;
    ToolbarPlace place;
};

// What the settings dialog needs of the main window: the settings in force
// and the file they came from, the live values its buttons copy, the open
// project that its project page changes at once, and where saved settings
// go.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    // The settings in force, the tree's two options as the tree has them.
    virtual Settings currentSettings() const = 0;
    // The settings file in use; empty while the defaults are.
    virtual QString settingsFile() const = 0;
    // saved is in force now, written to fileName: the tree takes its
    // options and the Tools menus their items.
    virtual void settingsSaved(const Settings &saved, const QString &fileName) = 0;

    virtual int commentFieldHeight() const = 0;
    // toolbar 0 to 2.
    virtual ToolbarState toolbarState(int toolbar) const = 0;

    // The project page: none of it applies without an open project.
    virtual bool hasOpenProject() const = 0;
    virtual QString projectTitle() const = 0;
    virtual bool autoExpand() const = 0;
    virtual bool imagesShown() const = 0;
    // Each marks the project modified.
    virtual void setProjectTitle(const QString &title) = 0;
    virtual void setAutoExpand(bool on) = 0;
    virtual void setImagesShown(bool shown) = 0;
    virtual void editImageList(QWidget *owner) = 0;
};

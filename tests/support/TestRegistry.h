#pragma once

#include <QObject>

#include <functional>

// Several Qt Test classes in one program. Each test file ends with
// BREKKO_TEST_MAIN(Class); the program runs the class named by its first
// argument (CTest passes it), or every class when none is named.
namespace TestRegistry {

using Factory = std::function<QObject *()>;

int add(const char *name, Factory factory);

// Runs the named class (or all) with the remaining arguments for QTest.
int run(int argc, char **argv);

} // namespace TestRegistry

#define BREKKO_TEST_MAIN(Class)                                                                                        \
    static const int brekko_test_registered_##Class = TestRegistry::add(#Class, [] { return new Class; });

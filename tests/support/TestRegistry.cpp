#include "TestRegistry.h"

#include <QTest>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

std::map<std::string, TestRegistry::Factory> &registry()
{
    static std::map<std::string, TestRegistry::Factory> classes;
    return classes;
}

int runOne(const TestRegistry::Factory &factory, std::vector<char *> arguments)
{
    const std::unique_ptr<QObject> test(factory());
    return QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
}

} // namespace

int TestRegistry::add(const char *name, Factory factory)
{
    registry().emplace(name, std::move(factory));
    return 0;
}

int TestRegistry::run(int argc, char **argv)
{
    std::vector<char *> arguments(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = registry().find(argv[1]);
        if (found == registry().end()) {
            qWarning("No test class %s in this program.", argv[1]);
            return 2;
        }
        arguments.erase(arguments.begin() + 1);
        return runOne(found->second, arguments);
    }
    int failures = 0;
    for (const auto &[name, factory] : registry())
        failures += runOne(factory, arguments);
    return failures;
}

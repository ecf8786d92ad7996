#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Each test file registers its Qt Test class; one main() per folder runs them all.
namespace test_registry {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<const char*, Factory>>& all();

struct Registration {
    Registration(const char* name, Factory factory) { all().emplace_back(name, std::move(factory)); }
};

} // namespace test_registry

#define VESTRANO_TEST(Class)                                                                      \
    static const test_registry::Registration registration_##Class(                                \
        #Class, [] { return std::unique_ptr<QObject>(new Class); });

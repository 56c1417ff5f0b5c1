// The runtime: class records, the property store of objects, the operation probe with its
// test hooks, the main-thread rule, the event boundary and the run's exit code.
#include "framework/runtime.h"

#include "framework/internal.h"
#include "framework/testing.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <thread>

namespace {

std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>>& Registry() {
    static std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> registry;
    return registry;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// ---- Faults armed by tests: none in a normal run ----
struct Fault {
    std::string operation;
    int remaining;
    std::string exceptionClass;
};
std::vector<Fault> g_faults;

[[noreturn]] void Raise(const std::string& exceptionClass, const std::string& message) {
    if (exceptionClass == "NilObjectException") throw NilObjectException(message);
    if (exceptionClass == "ThreadAccessingUIException") throw ThreadAccessingUIException(message);
    throw RuntimeException(message);
}

std::thread::id g_mainThread = std::this_thread::get_id();
ExceptionHelper g_helper = nullptr;
bool g_unhandled = false;
std::string g_programName = "holomina";

std::string Describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return std::string(e.ClassName()) + ": " + e.what();
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    } catch (...) {
        return "unknown exception";
    }
}

} // namespace

// ---- Class records ----

bool ClassRecord::IsA(const ClassRecord& other) const {
    for (const ClassRecord* r = this; r; r = r->base)
        if (r == &other || r->name == other.name) return true;
    return false;
}

const PropertyDecl* ClassRecord::FindProperty(std::string_view wanted) const {
    for (const ClassRecord* r = this; r; r = r->base)
        for (const PropertyDecl& p : r->properties)
            if (SameIgnoringCase(p.name, wanted)) return &p;
    return nullptr;
}

const ClassRecord& RuntimeRegisterClass(ClassRecord record) {
    auto& registry = Registry();
    if (auto found = registry.find(record.name); found != registry.end()) return *found->second;
    fw::Probe("RuntimeRegisterClass");
    std::string name = record.name;
    auto& slot = registry[name];
    slot = std::make_unique<ClassRecord>(std::move(record));
    return *slot;
}

const ClassRecord* RuntimeFindClass(std::string_view name) {
    auto& registry = Registry();
    auto found = registry.find(name);
    return found == registry.end() ? nullptr : found->second.get();
}

ObjectRef RuntimeNewObject(const ClassRecord& record) {
    fw::Probe("RuntimeNewObject");
    if (!record.make) throw RuntimeException("class " + record.name + " can't make objects");
    ObjectRef object = record.make();
    if (object) object->SetClass(&record);
    return object;
}

const PropertyValue* Object::StoredProperty(std::string_view name) const {
    for (const auto& [key, value] : stored_)
        if (key == name) return &value;
    return nullptr;
}

void Object::StoreProperty(std::string name, PropertyValue value) {
    for (auto& [key, stored] : stored_)
        if (key == name) {
            stored = std::move(value);
            return;
        }
    stored_.emplace_back(std::move(name), std::move(value));
}

// ---- Start-up and shut-down ----

void RuntimeInit(int argc, char** argv) {
    g_mainThread = std::this_thread::get_id();
    if (argc > 0 && argv && argv[0]) {
        std::string path = argv[0];
        g_programName = path.substr(path.find_last_of('/') + 1);
    }
    fw::Probe("RuntimeInit");
    fw::StartToolkit(argc, argv);
}

void RuntimePerformInitializers(std::span<const Initializer> program) {
    fw::Probe("RuntimePerformInitializers");
    fw::RegisterFrameworkClasses();
    for (const Initializer& initializer : program) {
        fw::Probe("Initializer");
        initializer.run();
    }
}

void RuntimePerformFinalizers() {
    fw::Probe("RuntimePerformFinalizers");
    fw::CloseAllWindows();
    fw::ReleaseMenus();
}

int RuntimeExit() {
    fw::Probe("RuntimeExit");
    // A run that ended with an unhandled exception must not report success.
    return g_unhandled ? 1 : fw::LoopExitCode();
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
    fw::Probe("_RuntimeSetExceptionHelper");
    g_helper = helper;
}

void _RuntimeSetToolchainVersion(double) {
    fw::Probe("_RuntimeSetToolchainVersion");
}

void _RuntimeInitExternalClasses() {
    fw::Probe("_RuntimeInitExternalClasses");
    fw::RegisterFrameworkClasses();
}

void _InitPluginEntrypoints() {
    fw::Probe("_InitPluginEntrypoints");
}

void _UnhandledException(std::exception_ptr exception) {
    fw::Probe("_UnhandledException");
    g_unhandled = true;
    std::fprintf(stderr, "%s: unhandled %s\n", g_programName.c_str(), Describe(exception).c_str());
    std::fflush(stderr);
}

// ---- Framework internals ----

namespace fw {

void Probe(std::string_view operation) {
    if (g_faults.empty()) return;
    for (auto it = g_faults.begin(); it != g_faults.end(); ++it) {
        if (it->operation != operation || --it->remaining > 0) continue;
        std::string exceptionClass = it->exceptionClass;
        g_faults.erase(it);
        Raise(exceptionClass, "injected fault in " + std::string(operation));
    }
}

void CheckMainThread(std::string_view operation) {
    if (std::this_thread::get_id() != g_mainThread)
        throw ThreadAccessingUIException(std::string(operation) +
                                         " may only be used on the main thread");
}

void DispatchEvent(std::string_view what, const std::function<void()>& handler) {
    std::exception_ptr failure;
    try {
        if (g_helper) {
            auto call = [](void* arg) { (*static_cast<const std::function<void()>*>(arg))(); };
            failure = g_helper(call, const_cast<std::function<void()>*>(&handler));
        } else {
            try {
                handler();
            } catch (const RuntimeException&) {
                failure = std::current_exception();
            }
        }
    } catch (...) {
        // Not a runtime exception: still never let it into the toolkit's event loop.
        failure = std::current_exception();
    }
    if (!failure) return;
    std::string report = g_programName + ": " + Describe(failure) + " in " + std::string(what) +
                         "; the game goes on";
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
}

std::string ProgramName() {
    return g_programName;
}

} // namespace fw

namespace fw::testing {

void FailOperation(std::string operation, int nth, std::string exceptionClass) {
    g_faults.push_back({std::move(operation), nth, std::move(exceptionClass)});
}

} // namespace fw::testing

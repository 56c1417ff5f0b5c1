// The runtime under the game: its exceptions, objects with their class records, the
// start-up initialisers and finalisers, the exit code and the exception helper.
// Nothing here knows the toolkit; the game sees only these names.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "NilObjectException"; }
};

// Raised by user-interface operations called from any thread but the main one.
class ThreadAccessingUIException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "ThreadAccessingUIException"; }
};

class IllegalCastException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

// A serialized property set that can't be read: unknown name or a value cut short.
class PropertySetException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const noexcept override { return "PropertySetException"; }
};

// ---- Objects and class records ----

enum class PropertyType { Integer, Boolean, Single, Color, String, FontUnits };

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
    friend bool operator==(const Color&, const Color&) = default;
};
inline constexpr Color kWhite{0xFF, 0xFF, 0xFF, 0x00};
inline constexpr Color kBlack{0x00, 0x00, 0x00, 0x00};

struct FontUnits {
    std::uint8_t value = 0;
    friend bool operator==(const FontUnits&, const FontUnits&) = default;
};

// A property's value; the alternatives follow PropertyType's order.
struct PropertyValue : std::variant<std::int64_t, bool, float, Color, std::string, FontUnits> {
    using variant::variant;
};

namespace fw {
// A value read by its declared type, for the framework's property setters.
inline std::int64_t IntegerOf(const PropertyValue& v) {
    return std::get<std::int64_t>(v);
}
inline bool BooleanOf(const PropertyValue& v) {
    return std::get<bool>(v);
}
inline const std::string& StringOf(const PropertyValue& v) {
    return std::get<std::string>(v);
}
} // namespace fw

class Object;
using ObjectRef = std::shared_ptr<Object>;

// What a property setter does to its object beyond remembering the value.
using PropertyApplier = void (*)(Object& object, const PropertyValue& value);

struct PropertyDecl {
    std::string name;
    PropertyType type;
    PropertyApplier apply = nullptr;
};

struct ClassRecord {
    std::string name;
    const ClassRecord* base = nullptr;
    std::vector<std::string> operations; // the table of virtual operations, in order
    std::vector<PropertyDecl> properties;
    std::function<ObjectRef()> make; // a new object whose constructor has not run yet

    bool IsA(const ClassRecord& other) const;
    // Finds a declared property here or in a base class; letter case does not count.
    const PropertyDecl* FindProperty(std::string_view name) const;
};

// Registers a class once; registering a name again returns the first record unchanged.
const ClassRecord& RuntimeRegisterClass(ClassRecord record);
const ClassRecord* RuntimeFindClass(std::string_view name);

class Object : public std::enable_shared_from_this<Object> {
  public:
    virtual ~Object() = default;
    const ClassRecord* Class() const { return class_; }
    void SetClass(const ClassRecord* record) { class_ = record; }

    // The last value each property was given through a property set.
    const PropertyValue* StoredProperty(std::string_view name) const;
    void StoreProperty(std::string name, PropertyValue value);

  private:
    const ClassRecord* class_ = nullptr;
    std::vector<std::pair<std::string, PropertyValue>> stored_;
};

ObjectRef RuntimeNewObject(const ClassRecord& record);

// Nil passes as nil; an object of another class raises IllegalCastException.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object,
                                    const ClassRecord& record) {
    if (!object) return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast || !object->Class() || !object->Class()->IsA(record))
        throw IllegalCastException("object of class " +
                                   (object->Class() ? object->Class()->name : std::string("?")) +
                                   " is not a " + record.name);
    return cast;
}

// ---- Start-up, shut-down and the exit code ----

struct Initializer {
    const char* name;
    void (*run)();
};

void RuntimeInit(int argc, char** argv);
// Registers the framework's own classes, then runs the program's initialisers in order.
void RuntimePerformInitializers(std::span<const Initializer> program);
void RuntimePerformFinalizers();
int RuntimeExit();

// Calls fn(arg); gives back the RuntimeException it raised, or null. Other exceptions pass.
using ExceptionHelper = std::exception_ptr (*)(void (*fn)(void*), void* arg);
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
void _RuntimeSetToolchainVersion(double version);
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();

// The report of an exception that nothing caught; the run will end with a failure code.
void _UnhandledException(std::exception_ptr exception);

// Raises NilObjectException when the object is nil, naming what was wanted.
template <class T>
T& Required(const std::shared_ptr<T>& object, const char* what) {
    if (!object) throw NilObjectException(std::string(what) + " is nil");
    return *object;
}

// ---- Internal: used by the framework's own operations ----
namespace fw {
// Announces a framework operation: where a test has armed a fault for it, raises that fault.
// Cheap when none is armed.
void Probe(std::string_view operation);
// ThreadAccessingUIException unless on the main thread.
void CheckMainThread(std::string_view operation);
// Runs an event handler at the framework's boundary: an exception is reported, not passed on.
void DispatchEvent(std::string_view what, const std::function<void()>& handler);
std::string ProgramName();
} // namespace fw

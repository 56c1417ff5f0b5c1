// The property-set encoder and reader.
#include "framework/properties.h"

#include <bit>
#include <cstring>

void PropertySet::Name(std::string_view name) {
    bytes_.append(name);
    bytes_ += ' ';
}

void PropertySet::Little(std::uint64_t value, int bytes) {
    for (int k = 0; k < bytes; ++k)
        bytes_ += char((value >> (8 * k)) & 0xFF);
}

PropertySet& PropertySet::Integer(std::string_view name, std::int64_t value) {
    Name(name);
    Little(std::uint64_t(value), 8);
    return *this;
}

PropertySet& PropertySet::Boolean(std::string_view name, bool value) {
    Name(name);
    bytes_ += char(value ? 1 : 0);
    return *this;
}

PropertySet& PropertySet::Single(std::string_view name, float value) {
    Name(name);
    Little(std::bit_cast<std::uint32_t>(value), 4);
    return *this;
}

PropertySet& PropertySet::Colour(std::string_view name, Color value) {
    Name(name);
    bytes_ += char(value.red);
    bytes_ += char(value.green);
    bytes_ += char(value.blue);
    bytes_ += char(value.alpha);
    return *this;
}

PropertySet& PropertySet::String(std::string_view name, std::string_view value) {
    Name(name);
    Little(value.size(), 4);
    bytes_.append(value);
    return *this;
}

PropertySet& PropertySet::Units(std::string_view name, FontUnits value) {
    Name(name);
    bytes_ += char(value.value);
    return *this;
}

namespace {

class Reader {
  public:
    Reader(const Object& object, std::string_view record) : object_(object), record_(record) {}

    bool AtEnd() const { return at_ == record_.size(); }

    std::string_view Name() {
        entryStart_ = at_;
        std::size_t blank = record_.find(' ', at_);
        if (blank == std::string_view::npos)
            Fail("an entry with no value", record_.substr(at_, 40));
        std::string_view name = record_.substr(at_, blank - at_);
        at_ = blank + 1;
        return name;
    }

    PropertyValue Value(std::string_view name, PropertyType type) {
        switch (type) {
        case PropertyType::Integer:
            return std::int64_t(Little(name, 8));
        case PropertyType::Boolean:
            return Take(name, 1)[0] != 0;
        case PropertyType::Single:
            return std::bit_cast<float>(std::uint32_t(Little(name, 4)));
        case PropertyType::Color: {
            std::string_view b = Take(name, 4);
            return Color{std::uint8_t(b[0]), std::uint8_t(b[1]), std::uint8_t(b[2]),
                         std::uint8_t(b[3])};
        }
        case PropertyType::String: {
            std::size_t length = Little(name, 4);
            return std::string(Take(name, length));
        }
        case PropertyType::FontUnits:
            return FontUnits{std::uint8_t(Take(name, 1)[0])};
        }
        Fail("a property of unknown type", name);
    }

    [[noreturn]] void Fail(const std::string& problem, std::string_view name) const {
        std::string className = object_.Class() ? object_.Class()->name : "an object";
        throw PropertySetException("property set for " + className + ": " + problem + " '" +
                                   std::string(name) + "' at offset " +
                                   std::to_string(entryStart_));
    }

  private:
    std::string_view Take(std::string_view name, std::size_t count) {
        // Never read past the end: a value cut short refuses the whole entry.
        if (record_.size() - at_ < count) Fail("value cut short for", name);
        std::string_view bytes = record_.substr(at_, count);
        at_ += count;
        return bytes;
    }

    std::uint64_t Little(std::string_view name, int count) {
        std::string_view bytes = Take(name, std::size_t(count));
        std::uint64_t value = 0;
        for (int k = count - 1; k >= 0; --k)
            value = (value << 8) | std::uint8_t(bytes[std::size_t(k)]);
        return value;
    }

    const Object& object_;
    std::string_view record_;
    std::size_t at_ = 0;
    std::size_t entryStart_ = 0;
};

} // namespace

void _SetProperties(Object& object, std::string_view record) {
    if (!object.Class()) throw PropertySetException("property set for an object with no class");
    Reader reader(object, record);
    while (!reader.AtEnd()) {
        std::string_view name = reader.Name();
        const PropertyDecl* declared = object.Class()->FindProperty(name);
        if (!declared) reader.Fail("unknown property", name);
        PropertyValue value = reader.Value(name, declared->type);
        if (declared->apply) declared->apply(object, value);
        object.StoreProperty(declared->name, std::move(value));
    }
}

// Serialized property sets: a run of entries "Name" + one blank + a value whose length
// follows from the property's declared type. No header, count or terminator.
#pragma once

#include "framework/runtime.h"

#include <cstdint>
#include <string>
#include <string_view>

// Builds a property set entry by entry, each value encoded by its type.
class PropertySet {
  public:
    PropertySet& Integer(std::string_view name, std::int64_t value);
    PropertySet& Boolean(std::string_view name, bool value);
    PropertySet& Single(std::string_view name, float value);
    PropertySet& Colour(std::string_view name, Color value);
    PropertySet& String(std::string_view name, std::string_view value);
    PropertySet& Units(std::string_view name, FontUnits value);
    const std::string& Bytes() const { return bytes_; }

  private:
    void Name(std::string_view name);
    void Little(std::uint64_t value, int bytes);
    std::string bytes_;
};

// Applies a property set to the object, entry by entry, from the start. Raises
// PropertySetException for a name the object's class doesn't declare or a value cut short.
void _SetProperties(Object& object, std::string_view record);

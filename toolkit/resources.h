// Resources stored inside the executable, found by type and name.
// Names and types are matched without regard to the case of letters.
#pragma once

#include "types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The module whose resources are asked for; the game has only its own.
using HINSTANCE = int;
constexpr HINSTANCE HInstance = 0;

inline const char* const RT_BITMAP = "BITMAP";
inline const char* const RT_GROUP_ICON = "ICON";

// The bytes of a resource, or an empty span when there is none.
std::span<const std::uint8_t> FindResourceData(const std::string& name, const std::string& type);

// A read-only stream over one resource. Opening a missing one raises EResNotFound.
class TResourceStream : public TObject {
public:
    TResourceStream(HINSTANCE instance, const std::string& name, const std::string& type);

    const std::string& Name() const { return name_; }
    std::size_t Size() const { return data_.size(); }
    std::size_t Position() const { return position_; }
    // Copies up to count bytes and returns how many were copied.
    std::size_t Read(void* buffer, std::size_t count);
    // What is left from the current position, without copying.
    std::span<const std::uint8_t> Remaining() const { return data_.subspan(position_); }
    void Skip(std::size_t count);

private:
    std::string name_;
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

#pragma once
// Ownership of everything the program opens: one move-only holder and a name for each kind of
// handle. Shared handles (stock objects, cursors from LoadCursor) are never put in one.

#include <windows.h>

#include <utility>

namespace vurozud {

template <typename Handle> constexpr Handle NullHandle() { return Handle{}; }
inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }

// Close is the function that releases the handle; Invalid gives the value that means "no handle".
template <typename Handle, auto Close, auto Invalid = &NullHandle<Handle>>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid(); }
    Handle release() { return std::exchange(handle_, Invalid()); }
    void reset(Handle handle = Invalid()) {
        if (handle_ != Invalid())
            Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Invalid();
};

using UniqueFile = UniqueHandle<HANDLE, CloseHandle, InvalidFileHandle>;
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniquePen = UniqueHandle<HPEN, DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDC>;
using UniquePalette = UniqueHandle<HPALETTE, DeleteObject>;

// Selects an object into a device context for one scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a logical palette into a device context and realises it, for one scope, and puts the previous
// palette back. The palette is realised in the foreground when the window the device context draws is the
// active one, in the background otherwise.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc), previous_(SelectPalette(dc, palette, FALSE)) {
        RealizePalette(dc);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;
    ~PaletteSelection() { SelectPalette(dc_, previous_, FALSE); }

private:
    HDC dc_;
    HPALETTE previous_;
};

} // namespace vurozud

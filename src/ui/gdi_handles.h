#pragma once
// Owners for the window-side handle kinds: GDI objects, icons, image lists, device contexts and
// windows. Window code only.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"

namespace ui {

template <typename T>
struct GdiObjectTraits {
    using Value = T;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { DeleteObject(v); }
};

struct IconTraits {
    using Value = HICON;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { DestroyIcon(v); }
};

struct ImageListTraits {
    using Value = HIMAGELIST;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { ImageList_Destroy(v); }
};

struct MemoryDcTraits {
    using Value = HDC;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { DeleteDC(v); }
};

struct WindowTraits {
    using Value = HWND;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) {
        if (IsWindow(v))
            DestroyWindow(v);
    }
};

using UniqueBitmap = platform::UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = platform::UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueFont = platform::UniqueHandle<GdiObjectTraits<HFONT>>;
using UniquePen = platform::UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueRegion = platform::UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueIcon = platform::UniqueHandle<IconTraits>;
using UniqueImageList = platform::UniqueHandle<ImageListTraits>;
using UniqueMemoryDc = platform::UniqueHandle<MemoryDcTraits>;
using UniqueWindow = platform::UniqueHandle<WindowTraits>;
using UniqueModule = platform::UniqueModule;

// Selects an object into a device context for one scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's device context from GetDC, released at the end of the scope.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The device context of a WM_PAINT, from BeginPaint to EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace ui

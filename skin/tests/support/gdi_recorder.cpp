#include "gdi_recorder.h"

#include <algorithm>
#include <cstring>

namespace mixora::skin::test {

namespace {

// The recorder's redirected imports and what they recorded.
std::vector<HGDIOBJ>& Recorded() {
    static std::vector<HGDIOBJ> recorded;
    return recorded;
}
template <typename H> H Record(H handle) {
    if (handle) Recorded().push_back(handle);
    return handle;
}
// The real gdi32 entry, not the program's (redirected) import of it.
template <typename F> F Original(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), name)));
}
HDC WINAPI RecordCreateCompatibleDC(HDC dc) {
    static const auto create = Original<decltype(&CreateCompatibleDC)>("CreateCompatibleDC");
    return Record(create(dc));
}
HDC WINAPI RecordCreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR output, const DEVMODEW* mode) {
    static const auto create = Original<decltype(&CreateDCW)>("CreateDCW");
    return Record(create(driver, device, output, mode));
}
HBITMAP WINAPI RecordCreateCompatibleBitmap(HDC dc, int width, int height) {
    static const auto create =
        Original<decltype(&CreateCompatibleBitmap)>("CreateCompatibleBitmap");
    return Record(create(dc, width, height));
}
HBITMAP WINAPI RecordCreateBitmap(int width, int height, UINT planes, UINT bits, const void* data) {
    static const auto create = Original<decltype(&CreateBitmap)>("CreateBitmap");
    return Record(create(width, height, planes, bits, data));
}
HBRUSH WINAPI RecordCreateSolidBrush(COLORREF colour) {
    static const auto create = Original<decltype(&CreateSolidBrush)>("CreateSolidBrush");
    return Record(create(colour));
}
HPALETTE WINAPI RecordCreateHalftonePalette(HDC dc) {
    static const auto create = Original<decltype(&CreateHalftonePalette)>("CreateHalftonePalette");
    return Record(create(dc));
}
HRGN WINAPI RecordCreateRoundRectRgn(int left, int top, int right, int bottom, int width,
                                     int height) {
    static const auto create = Original<decltype(&CreateRoundRectRgn)>("CreateRoundRectRgn");
    return Record(create(left, top, right, bottom, width, height));
}

struct Redirect {
    const char* name;
    void* replacement;
    void* original;
};
Redirect kRedirects[] = {
    {"CreateCompatibleDC", reinterpret_cast<void*>(&RecordCreateCompatibleDC), nullptr},
    {"CreateDCW", reinterpret_cast<void*>(&RecordCreateDCW), nullptr},
    {"CreateCompatibleBitmap", reinterpret_cast<void*>(&RecordCreateCompatibleBitmap), nullptr},
    {"CreateBitmap", reinterpret_cast<void*>(&RecordCreateBitmap), nullptr},
    {"CreateSolidBrush", reinterpret_cast<void*>(&RecordCreateSolidBrush), nullptr},
    {"CreateHalftonePalette", reinterpret_cast<void*>(&RecordCreateHalftonePalette), nullptr},
    {"CreateRoundRectRgn", reinterpret_cast<void*>(&RecordCreateRoundRectRgn), nullptr},
};

// Points the program's import of each redirected gdi32 call at `to` (true) or back (false).
void PatchImports(bool install) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; import->Name; ++import) {
        if (_stricmp(reinterpret_cast<const char*>(base + import->Name), "gdi32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* by_name =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (Redirect& redirect : kRedirects) {
                if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), redirect.name))
                    continue;
                DWORD protection = 0;
                VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                               &protection);
                if (install) {
                    redirect.original = reinterpret_cast<void*>(slots->u1.Function);
                    slots->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.replacement);
                } else if (redirect.original) {
                    slots->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.original);
                }
                VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection,
                               &protection);
            }
        }
    }
}

const char* TypeName(DWORD type) {
    switch (type) {
    case OBJ_DC: return "context";
    case OBJ_MEMDC: return "memory context";
    case OBJ_BITMAP: return "bitmap";
    case OBJ_BRUSH: return "brush";
    case OBJ_PEN: return "pen";
    case OBJ_FONT: return "font";
    case OBJ_PAL: return "palette";
    case OBJ_REGION: return "region";
    default: return "other";
    }
}

} // namespace

GdiRecorder::GdiRecorder() {
    Recorded().clear();
    PatchImports(true);
}
GdiRecorder::~GdiRecorder() {
    PatchImports(false);
}
const std::vector<HGDIOBJ>& GdiRecorder::Created() const {
    return Recorded();
}
std::vector<HGDIOBJ> GdiRecorder::Alive() const {
    std::vector<HGDIOBJ> alive;
    for (HGDIOBJ handle : Recorded())
        if (GetObjectType(handle) != 0) alive.push_back(handle);
    // A handle recorded twice (deleted, then handed out again) is one object.
    std::sort(alive.begin(), alive.end());
    alive.erase(std::unique(alive.begin(), alive.end()), alive.end());
    return alive;
}
GdiCensus GdiRecorder::AliveByType() const {
    GdiCensus census;
    for (HGDIOBJ handle : Alive())
        ++census[TypeName(GetObjectType(handle))];
    return census;
}
void GdiRecorder::Clear() {
    Recorded().clear();
}

} // namespace mixora::skin::test

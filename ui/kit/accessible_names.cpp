#include <initguid.h> // defines the annotation GUIDs below, in this file only

#include "accessible_names.h"

namespace mixora::ui {

namespace {

constexpr MSAAPROPID kNameProperty[] = {PROPID_ACC_NAME};

} // namespace

AccessibleNames::AccessibleNames() {
    // S_FALSE (already initialised here) must be balanced too; a thread already in the
    // multithreaded apartment can still create the service.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    com_initialised_ = SUCCEEDED(com);
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        services_.reset(services);
}

AccessibleNames::~AccessibleNames() {
    Clear();
    services_.reset();
    if (com_initialised_) CoUninitialize();
}

void AccessibleNames::Name(HWND window, const wchar_t* name) {
    if (!services_ || !window) return;
    if (SUCCEEDED(services_.get()->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT),
                                                  CHILDID_SELF, PROPID_ACC_NAME, name)))
        named_.push_back(window);
}

void AccessibleNames::Clear() {
    for (HWND window : named_)
        services_.get()->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        kNameProperty, 1);
    named_.clear();
}

} // namespace mixora::ui

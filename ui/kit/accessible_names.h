#pragma once
// What a screen reader calls a control. A field with a label is named by it: the system takes an
// edit field's name from the static text just before it among its siblings, and a form creates
// every label right before its field. A control without a label (a cell of a row of values) is
// named through annotation, by the name its layout gives it.
#include "handles.h"

#include <vector>
#include <windows.h>

#include <oleacc.h>

namespace mixora::ui {

// Names given to windows by annotation, kept until Clear or the end of the object. Where the
// system offers no annotation service, naming does nothing.
class AccessibleNames {
  public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    void Name(HWND window, const wchar_t* name);
    // Takes every name back; called before the windows go.
    void Clear();

  private:
    bool com_initialised_ = false; // this object initialised COM on the thread
    base::unique_com<IAccPropServices> services_;
    std::vector<HWND> named_;
};

} // namespace mixora::ui

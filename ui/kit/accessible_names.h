#pragma once
// What a screen reader calls the fields. A field with a label is named by it: the system takes an
// edit field's name from the static text just before it among its siblings, and the layout
// creates every label right before its field. The cells of the result frame have no label; they
// are named by their column and row ("水泥 用量", "水泥 比例") through annotation.
#include "field.h"
#include "handles.h"

#include <vector>
#include <windows.h>

#include <oleacc.h>

namespace mixora::ui {

// The name of a cell of the result frame; nullptr for a field that has a label.
const wchar_t* CellName(calc::Field field);

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

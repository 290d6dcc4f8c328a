#pragma once
// Counting the GDI objects a program makes. GetGuiResources cannot be used for it (Wine only
// stubs it), so the recorder redirects the program's own imports of the calls that create
// contexts, bitmaps, brushes, palettes and regions, keeps every handle they return, and asks
// which of them are still alive objects.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace mixora::skin::test {

// Live objects by type ("memory context", "bitmap", "brush", …): compared before and after,
// a leak shows as the kind of object that was left over.
using GdiCensus = std::map<std::string, int>;

// Records while it is alive; one at a time.
class GdiRecorder {
  public:
    GdiRecorder();
    ~GdiRecorder();
    GdiRecorder(const GdiRecorder&) = delete;
    GdiRecorder& operator=(const GdiRecorder&) = delete;

    // Every handle returned since the start or the last Clear, in order.
    const std::vector<HGDIOBJ>& Created() const;
    // The recorded handles that are still valid objects, each once.
    std::vector<HGDIOBJ> Alive() const;
    GdiCensus AliveByType() const;
    void Clear();
};

} // namespace mixora::skin::test

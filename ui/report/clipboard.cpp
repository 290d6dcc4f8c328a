#include "clipboard.h"

#include "file_io.h"
#include "handles.h"
#include "utf.h"

#include <cstring>

namespace mixora::ui {

namespace {

// Movable global memory holding these bytes; null when there is no memory.
base::unique_hglobal GlobalCopy(const void* bytes, size_t size) {
    base::unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    void* target = GlobalLock(memory.get());
    if (!target) return {};
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory.get());
    return memory;
}

// The clipboard, open for this scope. Another program may hold it for a moment: try a few times.
class open_clipboard {
  public:
    explicit open_clipboard(HWND owner) {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(20);
        }
    }
    open_clipboard(const open_clipboard&) = delete;
    open_clipboard& operator=(const open_clipboard&) = delete;
    ~open_clipboard() {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

std::wstring Failure(const wchar_t* what) {
    return std::wstring(what) + SystemErrorText(GetLastError());
}

} // namespace

UINT HtmlClipboardFormat() {
    static const UINT format = RegisterClipboardFormatW(L"HTML Format");
    return format;
}

std::optional<std::wstring> PutOnClipboard(HWND owner, std::string_view text,
                                           std::string_view html) {
    const std::wstring wide = Widen(text);
    // Both terminated, as readers of either format expect.
    base::unique_hglobal unicode = GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    const std::string html_z(html);
    base::unique_hglobal table = GlobalCopy(html_z.c_str(), html_z.size() + 1);
    if (!unicode || !table) return L"内存不足。";
    const UINT html_format = HtmlClipboardFormat();
    if (html_format == 0) return Failure(L"无法注册剪贴板格式 HTML Format：");

    open_clipboard clipboard(owner);
    if (!clipboard) return Failure(L"剪贴板正被其他程序使用：");
    if (!EmptyClipboard()) return Failure(L"无法清空剪贴板：");
    // The clipboard owns the memory once it has taken it.
    if (!SetClipboardData(CF_UNICODETEXT, unicode.get())) return Failure(L"无法放入文本：");
    unicode.release();
    if (!SetClipboardData(html_format, table.get())) return Failure(L"无法放入 HTML 表格：");
    table.release();
    return std::nullopt;
}

} // namespace mixora::ui

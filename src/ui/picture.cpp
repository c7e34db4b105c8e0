#include "ui/picture.h"

#include "platform/text.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace ui {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Released {
    T* object = nullptr;
    ~Released() {
        if (object) object->Release();
    }
};

IStream* streamOverResource(const char* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, platform::widen(name).c_str(), L"GIF");
    if (!resource) return nullptr;
    const DWORD size = SizeofResource(module, resource);
    const void* bytes = LockResource(LoadResource(module, resource));
    if (!bytes || size == 0) return nullptr;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return nullptr;
    std::memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    // The stream frees the memory block when it is released.
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    return stream;
}

}  // namespace

HBITMAP loadGifResource(const char* name) {
    if (!name) return nullptr;
    Released<IStream> stream{streamOverResource(name)};
    if (!stream.object) return nullptr;
    Released<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.object, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture.object))))
        return nullptr;
    OLE_HANDLE handle = 0;
    if (FAILED(picture.object->get_Handle(&handle))) return nullptr;
    // The picture owns its bitmap; keep a copy that outlives it.
    return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace ui

// What the window side keeps per thread: the maps from window and
// image-list handles to their objects, the window being created, the
// message being handled, and the wait-cursor count.
#pragma once

#include <afxcmn.h>

#include <unordered_map>
#include <vector>

// Objects of one kind by handle. Permanent entries belong to their objects;
// temporary objects belong to the map, which deletes them at idle time.
// Disown empties an object so that deleting it leaves its handle alone.
template <class Handle, class Object, void (*Disown)(Object*)> class CAfxHandleMap {
public:
    CAfxHandleMap() = default;
    CAfxHandleMap(const CAfxHandleMap&) = delete;
    CAfxHandleMap& operator=(const CAfxHandleMap&) = delete;

    Object* permanent(Handle handle) const { return find(permanent_, handle); }
    Object* temporary(Handle handle) const { return find(temporary_, handle); }

    // Records the object as the handle's owner; a temporary object of the
    // handle is outdated then. False when the handle has an owner already, or
    // without memory.
    bool attach(Handle handle, Object* object)
    {
        if (!setPermanent(handle, object))
            return false;
        retireTemporary(handle);
        return true;
    }

    // The handle's owner, else its temporary object, made by `make` (an
    // object holding the handle, or null) when it has none yet. Null
    // without memory.
    template <class Make> Object* lookup(Handle handle, Make make)
    {
        if (Object* object = permanent(handle))
            return object;
        if (Object* object = temporary(handle))
            return object;
        Object* object = make(handle);
        if (object && !addTemporary(handle, object)) {
            release(object);
            return nullptr;
        }
        return object;
    }

    void removePermanent(Handle handle, Object* object)
    {
        auto it = permanent_.find(handle);
        if (it != permanent_.end() && it->second == object)
            permanent_.erase(it);
    }

    // The handle's temporary object leaves the map, so that the handle can
    // have another; it is deleted with the others.
    void retireTemporary(Handle handle)
    {
        auto it = temporary_.find(handle);
        if (it == temporary_.end())
            return;
        retired_.push_back(it->second);
        temporary_.erase(it);
    }

    // An object that is being deleted by someone else leaves the map.
    void forgetTemporary(Object* object)
    {
        for (auto it = temporary_.begin(); it != temporary_.end(); ++it) {
            if (it->second == object) {
                temporary_.erase(it);
                break;
            }
        }
        for (auto it = retired_.begin(); it != retired_.end(); ++it) {
            if (*it == object) {
                retired_.erase(it);
                break;
            }
        }
    }

    void deleteTemporaries()
    {
        std::unordered_map<Handle, Object*> doomed;
        std::vector<Object*> retired;
        doomed.swap(temporary_);
        retired.swap(retired_);
        for (auto& entry : doomed)
            release(entry.second);
        for (Object* object : retired)
            release(object);
    }

    int permanentCount() const { return static_cast<int>(permanent_.size()); }
    int temporaryCount() const { return static_cast<int>(temporary_.size() + retired_.size()); }

private:
    // False when the handle has an object already, or without memory.
    bool setPermanent(Handle handle, Object* object)
    {
        try {
            return permanent_.emplace(handle, object).second;
        } catch (...) {
            return false;
        }
    }

    bool addTemporary(Handle handle, Object* object)
    {
        try {
            // Every temporary object may be retired: keep room for all of them.
            retired_.reserve(retired_.size() + temporary_.size() + 1);
            return temporary_.emplace(handle, object).second;
        } catch (...) {
            return false;
        }
    }

    static Object* find(const std::unordered_map<Handle, Object*>& map, Handle handle)
    {
        auto it = map.find(handle);
        return it == map.end() ? nullptr : it->second;
    }

    static void release(Object* object)
    {
        Disown(object);
        delete object;
    }

    std::unordered_map<Handle, Object*> permanent_;
    std::unordered_map<Handle, Object*> temporary_;
    std::vector<Object*> retired_;
};

// A window being created by the framework on this thread: the creation
// hook attaches the object to the first window of the expected class.
struct CAfxWndCreation {
    CWnd* pWnd;
    LPCWSTR lpszClass;        // null: any window (a dialog)
    bool bConsumed;           // the hook has picked its window
    HWND hWndAttached;        // the window the object was attached to, if any
    CAfxWndCreation* pOuter;  // a creation that was under way when this one began
};

inline void AfxDisownWindow(CWnd* pWnd)
{
    pWnd->m_hWnd = nullptr;
}

inline void AfxDisownImageList(CImageList* pImageList)
{
    pImageList->m_hImageList = nullptr;
}

struct CAfxWndThreadState {
    CAfxHandleMap<HWND, CWnd, AfxDisownWindow> windows;
    CAfxHandleMap<HIMAGELIST, CImageList, AfxDisownImageList> imageLists;

    CAfxWndCreation* pCreation = nullptr;
    HHOOK hCbtHook = nullptr;
    int nHookDepth = 0;

    MSG lastSentMsg = {};   // the message the thread's framework windows are handling
    MSG msgCur = {};        // the message pumped last, when there is no application
    POINT ptCursorLast = {};
    UINT nMsgLast = 0;

    int nWaitCursorCount = 0;
    HCURSOR hcurWaitRestore = nullptr;
};

// The calling thread's state, made on first use; null without memory.
CAfxWndThreadState* AfxWndState();
// The calling thread's state if it has one.
CAfxWndThreadState* AfxExistingWndState();

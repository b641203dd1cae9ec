// Objects of one kind found by their handles, for windows, image lists, GDI
// objects and device contexts alike. Permanent entries belong to their
// objects; temporary objects belong to the map, which deletes them when told
// to (at idle time, and when their thread ends). Disown empties an object so
// that deleting it leaves its handle alone. The map takes no lock: a map that
// threads share is guarded by its user.
#pragma once

#include <unordered_map>
#include <vector>

template <class Handle, class Object, void (*Disown)(Object*)> class CAfxHandleMap {
public:
    CAfxHandleMap() = default;
    CAfxHandleMap(const CAfxHandleMap&) = delete;
    CAfxHandleMap& operator=(const CAfxHandleMap&) = delete;

    Object* permanent(Handle handle) const { return find(permanent_, handle); }
    Object* temporary(Handle handle) const { return find(temporary_, handle); }

    // Records the object as the handle's owner; a temporary object of the
    // handle is outdated then. False when another object owns the handle, or
    // without memory.
    bool attach(Handle handle, Object* object)
    {
        if (!setPermanent(handle, object))
            return false;
        retireTemporary(handle);
        return true;
    }

    void removePermanent(Handle handle, Object* object)
    {
        auto it = permanent_.find(handle);
        if (it != permanent_.end() && it->second == object)
            permanent_.erase(it);
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

    // The handle's temporary object from now on; one it had before is
    // retired. False without memory, and the object stays the caller's.
    bool addTemporary(Handle handle, Object* object)
    {
        try {
            // Every temporary object may be retired: keep room for all of them.
            retired_.reserve(retired_.size() + temporary_.size() + 1);
            auto result = temporary_.emplace(handle, object);
            if (!result.second) {
                retired_.push_back(result.first->second);
                result.first->second = object;
            }
            return true;
        } catch (...) {
            return false;
        }
    }

    // The handle's temporary object leaves the map, so that the handle can
    // have another; it is deleted with the others, since its user may
    // still hold it.
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
    // True when the object owns the handle now (or did already); false when
    // another object does, or without memory.
    bool setPermanent(Handle handle, Object* object)
    {
        try {
            auto result = permanent_.emplace(handle, object);
            return result.second || result.first->second == object;
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

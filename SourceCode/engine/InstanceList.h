#pragma once
#include <algorithm>
#include <vector>

// The registry of every live object of a class, kept by the objects
// themselves: the renderer walks it when it drops or restores its textures.
// A class holds one InstanceList member (its last, so the object is whole
// while listed) constructed with `this`.
template <typename T>
class InstanceList {
public:
    explicit InstanceList(T* owner) : mOwner(owner) { List().push_back(owner); }
    ~InstanceList()
    {
        auto& list = List();
        list.erase(std::remove(list.begin(), list.end(), mOwner), list.end());
    }
    InstanceList(const InstanceList&) = delete;
    InstanceList& operator=(const InstanceList&) = delete;

    static const std::vector<T*>& All() { return List(); }

private:
    static std::vector<T*>& List()
    {
        // Never destroyed: objects of other singletons may unregister at exit.
        static auto* list = new std::vector<T*>();
        return *list;
    }

    T* mOwner;
};

// Forums and their listeners. A listener that is destroyed while it is still
// joined leaves every forum that holds it, so no forum ever calls a destroyed
// listener. To find those forums, the forums that have listeners at all are
// kept in one list of the library. Forums, like the windows they serve, are
// used from one thread.
#include "LexorinBasis.h"

#include "BasisHeap.h"

#include <string.h>

namespace {

// The forums that have at least one listener.
struct st_Speakers {
    CT_Forum** ppco_Items;
    unsigned n_Count;
    unsigned n_Capacity;
};
st_Speakers sso_Speakers = {nullptr, 0, 0};

// Makes room for one more pointer in a list; false when no memory is left.
bool b_Grow(CT_Forum*** items, unsigned count, unsigned* capacity)
{
    if (count < *capacity)
        return true;
    const unsigned larger = *capacity ? *capacity * 2 : 4;
    auto** grown = static_cast<CT_Forum**>(Basis::pv_AllocateArray(larger, sizeof(CT_Forum*)));
    if (!grown)
        return false;
    if (count)
        memcpy(grown, *items, count * sizeof(CT_Forum*));
    Basis::v_Free(*items);
    *items = grown;
    *capacity = larger;
    return true;
}

// Removes the first `forum` from a list, keeping the order; false when absent.
bool b_RemoveFrom(CT_Forum** items, unsigned* count, const CT_Forum* forum)
{
    for (unsigned i = 0; i < *count; ++i) {
        if (items[i] != forum)
            continue;
        memmove(items + i, items + i + 1, (*count - i - 1) * sizeof(CT_Forum*));
        --*count;
        return true;
    }
    return false;
}

bool b_Holds(CT_Forum* const* items, unsigned count, const CT_Forum* forum)
{
    for (unsigned i = 0; i < count; ++i)
        if (items[i] == forum)
            return true;
    return false;
}

bool b_AddSpeaker(CT_Forum* forum)
{
    if (!b_Grow(&sso_Speakers.ppco_Items, sso_Speakers.n_Count, &sso_Speakers.n_Capacity))
        return false;
    sso_Speakers.ppco_Items[sso_Speakers.n_Count++] = forum;
    return true;
}

void v_RemoveSpeaker(const CT_Forum* forum)
{
    b_RemoveFrom(sso_Speakers.ppco_Items, &sso_Speakers.n_Count, forum);
    if (sso_Speakers.n_Count == 0) {
        Basis::v_Free(sso_Speakers.ppco_Items);
        sso_Speakers = {nullptr, 0, 0};
    }
}

} // namespace

CT_Forum::CT_Forum() : ppco_Listeners(nullptr), n_Count(0), n_Capacity(0) {}

CT_Forum::~CT_Forum()
{
    // Leaving may drop a forum from the list of speakers, but only the one
    // just visited: walking backwards skips nothing.
    for (unsigned i = sso_Speakers.n_Count; i-- > 0;)
        if (i < sso_Speakers.n_Count)
            sso_Speakers.ppco_Items[i]->v_Leave(this);
    if (n_Count)
        v_RemoveSpeaker(this);
    Basis::v_Free(ppco_Listeners);
}

// A listener joins once; joining again, or a null listener, changes nothing.
void CT_Forum::v_Join(CT_Forum* listener)
{
    if (!listener || b_Holds(ppco_Listeners, n_Count, listener))
        return;
    if (!b_Grow(&ppco_Listeners, n_Count, &n_Capacity))
        return;
    if (n_Count == 0 && !b_AddSpeaker(this))
        return;
    ppco_Listeners[n_Count++] = listener;
}

void CT_Forum::v_Leave(CT_Forum* listener)
{
    if (!b_RemoveFrom(ppco_Listeners, &n_Count, listener) || n_Count)
        return;
    v_RemoveSpeaker(this);
    Basis::v_Free(ppco_Listeners);
    ppco_Listeners = nullptr;
    n_Capacity = 0;
}

// Listeners may join or leave (or be destroyed) while they hear: each one
// present when the forum began to speak is called if it is still joined. The
// forum itself must live until it has spoken.
void CT_Forum::v_Speak(unsigned topic, void* data)
{
    if (n_Count == 0)
        return;
    CT_Forum* few[16];
    const unsigned count = n_Count;
    CT_Forum** listeners =
        count <= 16 ? few : static_cast<CT_Forum**>(Basis::pv_AllocateArray(count, sizeof(CT_Forum*)));
    if (!listeners)
        return;
    memcpy(listeners, ppco_Listeners, count * sizeof(CT_Forum*));
    for (unsigned i = 0; i < count; ++i)
        if (b_Holds(ppco_Listeners, n_Count, listeners[i]))
            listeners[i]->vv_Hear(this, topic, data);
    if (listeners != few)
        Basis::v_Free(listeners);
}

unsigned CT_Forum::n_GetListenerCount() const
{
    return n_Count;
}

void CT_Forum::vv_Hear(CT_Forum*, unsigned, void*) {}

// Forums and listeners, including listeners that go away while joined.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Listener : CT_Forum {
    void vv_Hear(CT_Forum* speaker, unsigned topic, void* data) override
    {
        heard.push_back(topic);
        lastSpeaker = speaker;
        lastData = data;
        if (onHear)
            onHear();
    }

    std::vector<unsigned> heard;
    CT_Forum* lastSpeaker = nullptr;
    void* lastData = nullptr;
    void (*onHear)() = nullptr;
};

TEST(Forum, ListenersHearWhatIsSpokenWhileTheyAreJoined)
{
    HeapBalance balance;
    {
        CT_Forum speaker;
        Listener a, b;
        speaker.v_Join(&a);
        speaker.v_Join(&b);
        speaker.v_Join(&a);        // once only
        speaker.v_Join(nullptr);
        EXPECT_EQ(speaker.n_GetListenerCount(), 2u);
        int data = 0;
        speaker.v_Speak(7, &data);
        speaker.v_Leave(&a);
        speaker.v_Leave(&a);       // no longer joined
        speaker.v_Speak(8, nullptr);
        EXPECT_EQ(a.heard, std::vector<unsigned>({7}));
        EXPECT_EQ(b.heard, std::vector<unsigned>({7, 8}));
        EXPECT_EQ(a.lastSpeaker, &speaker);
        EXPECT_EQ(a.lastData, &data);
        EXPECT_EQ(speaker.n_GetListenerCount(), 1u);
    }
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(Forum, ADestroyedForumLeavesNothingBehind)
{
    HeapBalance balance;
    CT_Forum first, second;
    Listener stays;
    {
        Listener goes;
        first.v_Join(&goes);
        second.v_Join(&goes);
        first.v_Join(&stays);
        goes.v_Join(&goes);        // a forum may hear itself
    }
    EXPECT_EQ(first.n_GetListenerCount(), 1u);
    EXPECT_EQ(second.n_GetListenerCount(), 0u);
    first.v_Speak(1, nullptr);
    second.v_Speak(2, nullptr);
    EXPECT_EQ(stays.heard, std::vector<unsigned>({1}));
    {
        CT_Forum goesFirst;   // a speaker, too, may go before its listeners
        goesFirst.v_Join(&stays);
    }
    first.v_Leave(&stays);
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(Forum, ListenersMayLeaveOrGoWhileTheForumSpeaks)
{
    CT_Forum speaker;
    std::vector<std::unique_ptr<Listener>> listeners;
    for (int i = 0; i < 40; ++i) {   // more than fit the forum's small list
        listeners.emplace_back(new Listener);
        speaker.v_Join(listeners.back().get());
    }
    static CT_Forum* s_Speaker;
    static std::vector<std::unique_ptr<Listener>>* s_Listeners;
    s_Speaker = &speaker;
    s_Listeners = &listeners;
    // The first listener sends away the second and destroys the last.
    listeners[0]->onHear = [] {
        s_Speaker->v_Leave((*s_Listeners)[1].get());
        s_Listeners->back().reset();
    };
    speaker.v_Speak(5, nullptr);
    EXPECT_EQ(listeners[0]->heard.size(), 1u);
    EXPECT_TRUE(listeners[1]->heard.empty());
    for (int i = 2; i < 39; ++i)
        EXPECT_EQ(listeners[i]->heard.size(), 1u) << i;
    EXPECT_EQ(speaker.n_GetListenerCount(), 38u);
}

TEST(Forum, WithoutMemoryAJoinIsRefused)
{
    CT_Forum speaker;
    Listener listener;
    {
        NoMemory none;
        speaker.v_Join(&listener);
    }
    EXPECT_EQ(speaker.n_GetListenerCount(), 0u);
    {
        NoMemory onlyTheList(1);   // the forum's list, not the library's list of speakers
        speaker.v_Join(&listener);
    }
    EXPECT_EQ(speaker.n_GetListenerCount(), 0u);
    speaker.v_Speak(1, nullptr);
    EXPECT_TRUE(listener.heard.empty());
}

} // namespace

#include "DemoActions.h"

const DemoAction g_DemoActions[] = {
    {L"Library &identity", v_DemoShowIdentity},
    {nullptr, nullptr},
};

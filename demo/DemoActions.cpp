#include "DemoActions.h"

const DemoAction g_DemoActions[] = {
    {L"Library &identity", v_DemoShowIdentity},
    {L"Choose a &folder...", v_DemoChooseFolder},
    {nullptr, nullptr},
};

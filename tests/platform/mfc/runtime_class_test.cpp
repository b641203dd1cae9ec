// Run-time class information: records, kinds, downcasts, lookup by name and
// creation, for the application's classes, the framework's and those of an
// extension DLL while it is in the chain.
#include "ModuleTestSupport.h"
#include "Shapes.h"

#include <gtest/gtest.h>

namespace {

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
};

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)

public:
    int m_nLegs = 4;
};

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)

TEST(RuntimeClass, RecordsDescribeTheClassAndItsBases)
{
    CDog dog;
    CAnimal animal;
    EXPECT_EQ(dog.GetRuntimeClass(), RUNTIME_CLASS(CDog));
    EXPECT_STREQ(RUNTIME_CLASS(CDog)->m_lpszClassName, "CDog");
    EXPECT_EQ(RUNTIME_CLASS(CDog)->m_nObjectSize, static_cast<int>(sizeof(CDog)));
    EXPECT_EQ(RUNTIME_CLASS(CDog)->m_pfnGetBaseClass(), RUNTIME_CLASS(CAnimal));
    EXPECT_EQ(RUNTIME_CLASS(CAnimal)->m_pfnGetBaseClass(), RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pfnGetBaseClass(), nullptr);

    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(animal.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(dog.IsKindOf(nullptr));
    EXPECT_FALSE(dog.IsSerializable());

    EXPECT_TRUE(RUNTIME_CLASS(CDynLinkLibrary)->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(RUNTIME_CLASS(CCmdTarget)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CCmdTarget)->IsDerivedFrom(RUNTIME_CLASS(CDynLinkLibrary)));
}

TEST(RuntimeClass, DowncastsCheckTheObjectsClass)
{
    CDog dog;
    CAnimal animal;
    CObject* object = &dog;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CDog, object), &dog);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CAnimal, object), &dog);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CDog, static_cast<CObject*>(&animal)), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CDog, static_cast<CObject*>(nullptr)), nullptr);
    EXPECT_EQ(STATIC_DOWNCAST(CDog, object), &dog);
}

TEST(RuntimeClass, FromNameFindsTheApplicationsAndTheFrameworksClasses)
{
    EXPECT_EQ(CRuntimeClass::FromName("CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(CRuntimeClass::FromName(L"CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(CRuntimeClass::FromName("CAnimal"), RUNTIME_CLASS(CAnimal));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName(L"CCmdTarget"), RUNTIME_CLASS(CCmdTarget));
    EXPECT_EQ(CRuntimeClass::FromName("CDynLinkLibrary"), RUNTIME_CLASS(CDynLinkLibrary));

    EXPECT_EQ(CRuntimeClass::FromName("cdog"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CDo"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L"CDogs"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L"CDo"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(""), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCWSTR>(nullptr)), nullptr);
}

TEST(RuntimeClass, CreatesObjectsOfDynamicallyCreatableClassesOnly)
{
    for (CObject* object : {CRuntimeClass::CreateObject("CDog"), CRuntimeClass::CreateObject(L"CDog"),
                            RUNTIME_CLASS(CDog)->CreateObject()}) {
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetRuntimeClass(), RUNTIME_CLASS(CDog));
        EXPECT_EQ(static_cast<CDog*>(object)->m_nLegs, 4);
        delete object;
    }
    EXPECT_EQ(RUNTIME_CLASS(CAnimal)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CAnimal"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(static_cast<LPCWSTR>(nullptr)), nullptr);
}

TEST(RuntimeClass, ExtensionClassesAreFoundWhileTheDllIsInTheChain)
{
    ASSERT_EQ(CRuntimeClass::FromName("CTestCircle"), nullptr);
    {
        LoadedModule extension(kExtensionA);
        ASSERT_TRUE(extension.loaded());
        CRuntimeClass* circle = CRuntimeClass::FromName("CTestCircle");
        CRuntimeClass* shape = CRuntimeClass::FromName(L"CTestShape");
        ASSERT_NE(circle, nullptr);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(moduleOf(circle), extension.handle());
        EXPECT_TRUE(circle->IsDerivedFrom(shape));
        EXPECT_TRUE(circle->IsDerivedFrom(RUNTIME_CLASS(CObject)));
        EXPECT_FALSE(shape->IsDerivedFrom(circle));

        CObject* object = CRuntimeClass::CreateObject(L"CTestCircle");
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetRuntimeClass(), circle);
        EXPECT_TRUE(object->IsKindOf(shape));
        EXPECT_FALSE(object->IsKindOf(RUNTIME_CLASS(CDog)));
        delete object;
        EXPECT_EQ(CRuntimeClass::CreateObject("CTestSquare"), nullptr);

        EXPECT_EQ(CRuntimeClass::FromName("CDog"), RUNTIME_CLASS(CDog));
    }
    EXPECT_EQ(CRuntimeClass::FromName("CTestCircle"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L"CTestShape"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
}

} // namespace

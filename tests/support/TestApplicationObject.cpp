// The application object of a test program that needs no application of
// its own.
#include "TestApplication.h"

namespace {

CTestApplication theApp;

} // namespace

#include "test_calculator.h"

NS_IMPL_THREADSAFE_ISUPPORTS2(Calculator, testICalculator, nsIObserver)
XPCOM_PROXY_REGISTER(testICalculator, CalculatorProxy)

#include "calc/uCalculate.h"

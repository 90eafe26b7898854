#pragma once
#include "widgets/TFlatRadioButtonUnit.h"

// All five flat-style controls.
#pragma once

#include "widgets/TFlatButtonUnit.h"
#include "widgets/TFlatCheckBoxUnit.h"
#include "widgets/TFlatComboBoxUnit.h"
#include "widgets/TFlatEditUnit.h"
#include "widgets/TFlatRadioButtonUnit.h"

#pragma once
#include "widgets/TFlatComboBoxUnit.h"

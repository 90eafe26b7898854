#pragma once
#include "widgets/TFlatButtonUnit.h"

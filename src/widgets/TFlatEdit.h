#pragma once
#include "widgets/TFlatEditUnit.h"

#pragma once
#include "widgets/TFlatCheckBoxUnit.h"

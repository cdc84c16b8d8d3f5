#pragma once

#include "regions/steps.hpp"
#include "shape/b.hpp"

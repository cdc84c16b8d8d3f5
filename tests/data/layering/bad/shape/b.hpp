#pragma once

#include "shape/a.hpp"

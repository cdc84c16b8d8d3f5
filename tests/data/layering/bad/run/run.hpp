#pragma once

#include "model/grid.hpp"

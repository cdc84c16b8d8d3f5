#pragma once

#include "run/run.hpp"

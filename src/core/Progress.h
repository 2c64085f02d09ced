#pragma once

#include <functional>

// Reports how far a long piece of work has come, in percent.
using ConversionProgress = std::function<void(int percent)>;

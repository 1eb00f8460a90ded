#include <gtest/gtest.h>
#include "core/Board.h"
TEST(Board, Placeholder) {}

#include <gtest/gtest.h>
TEST(Platzhalter, Leer) {}

// The random draw behind the spread commands: a distance in 0..|limit| whose small values are
// the most frequent, taken from the process's common generator.
#pragma once

namespace kelvo {

class RandomGenerators;

// |g| scaled so that `percent` = 50 gives a standard deviation of limit / 3.1165, redrawn while
// above |limit|; g is a standard normal variate.
int GaussLimited(int limit, int percent, RandomGenerators& random);

}  // namespace kelvo

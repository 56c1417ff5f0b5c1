// Rnd: a Mersenne Twister seeded from std::random_device, or a test's script.
#include "framework/random.h"

#include "framework/testing.h"

#include <random>
#include <stdexcept>
#include <vector>

namespace {
struct Source {
    std::mt19937_64 engine{std::random_device{}()};
    std::uniform_real_distribution<double> unit{0.0, 1.0};
    bool scripted = false;
    std::vector<double> script;
    std::size_t next = 0;
    int draws = 0;
};
Source& TheSource() {
    static Source source;
    return source;
}
} // namespace

double Rnd() {
    Source& s = TheSource();
    ++s.draws;
    if (!s.scripted) return s.unit(s.engine);
    if (s.script.empty()) throw std::logic_error("scripted Rnd has no values");
    double value = s.script[s.next % s.script.size()];
    ++s.next;
    return value;
}

namespace fw::testing {
void ScriptRandom(std::vector<double> values) {
    Source& s = TheSource();
    s.scripted = true;
    s.script = std::move(values);
    s.next = 0;
    s.draws = 0;
}
int RandomDraws() {
    return TheSource().draws;
}
} // namespace fw::testing

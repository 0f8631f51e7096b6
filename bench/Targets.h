#ifndef TANZO_BENCH_TARGETS_H
#define TANZO_BENCH_TARGETS_H

// The targets of a benchmark program: each figure is checked against its
// target where it is printed, and the program ends with one line per
// target, met only when every figure checked against it met it.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench
{

class Targets
{
public:
    // Records one figure against the target; returns met.
    bool Check(const std::string& target, bool met)
    {
        for (auto& t : m_targets)
            if (t.first == target)
            {
                t.second = t.second && met;
                return met;
            }
        m_targets.emplace_back(target, met);
        return met;
    }

    // One line per target; 1 when any was missed, for an exit code.
    int Print() const
    {
        bool all = true;
        for (const auto& t : m_targets)
        {
            std::printf("target %s: %s\n", t.first.c_str(), t.second ? "met" : "missed");
            all = all && t.second;
        }
        return all ? 0 : 1;
    }

private:
    std::vector<std::pair<std::string, bool>> m_targets;
};

} // namespace bench

#endif // TANZO_BENCH_TARGETS_H

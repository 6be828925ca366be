#include "spell/SimilarityScore.h"

namespace zendal {

int SimilarityScore::Of(const std::string& s1, const std::string& s2) {
    int lengths = static_cast<int>(s1.size() + s2.size());
    if (lengths == 0) {
        return 0;
    }
    SimilarityScore score(s1, s2);
    score.Match(1, static_cast<int>(s1.size()), 1, static_cast<int>(s2.size()));
    return 100 * score.total_ / lengths;
}

void SimilarityScore::Match(int a, int b, int c, int d) {
    if (a == b || c == d) {
        return;
    }
    int best = 0;
    int bi = 0;
    int bj = 0;
    int limit1 = b;
    int limit2 = d;
    int i = a - 1;
    while (i < limit1) {
        ++i;
        int j = c - 1;
        while (j < limit2) {
            ++j;
            if (At1(i) == At2(j)) {
                int k = 0;
                while (j + k <= limit2 && i + k <= limit1 && At1(i + k) == At2(j + k)) {
                    ++k;
                }
                if (k > best) {
                    bi = i;
                    bj = j;
                    best = k;
                    limit1 = b - k - 1;
                    limit2 = d - k - 1;
                    // The rest of this pass compares s1 from past the run.
                    i += k;
                }
                j += k;
            }
        }
    }
    if (best > 0) {
        total_ += 2 * best;
        Match(a, bi - 1, c, bj - 1);
        Match(bi + best, b, bj + best, d);
    }
}

}  // namespace zendal

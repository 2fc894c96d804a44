#include <cstdio>

#include "cli/bench_lines.h"
#include "headless/signature_searches.h"

namespace taravin::cli {

void benchSignature() {
    std::vector<SignatureResult> results;
    for (const SignatureSearch& search : signatureSearches()) {
        results.push_back(runSignatureSearch(search));
        std::printf("%s\n", signatureResultLine(results.back()).c_str());
        std::fflush(stdout);
    }
    std::printf("signature %lld\n", static_cast<long long>(signatureOf(results)));
}

}  // namespace taravin::cli

#include "computer/purchase_rules.h"

namespace {

// What the info line says after the buyer's name, by WeaponKind.
const char* const zpravy_strel[pocet_zbrani] = {
    "", " kupuje stredni strelu.", " kupuje velkou strelu.", " kupuje mini nuke.",
    " kupuje mega nuke.",
};

// A load, then the next while the credits last, the store is not full and dalsi() agrees;
// dalsi() is asked only then, so its draws come only then.
template <class Dalsi>
int kupuj_davky(PlayerState& ja, std::int32_t& zasoba, const Zbozi& z,
                const std::function<void()>& po_davce, Dalsi dalsi)
{
    int davek = 0;
    do {
        const PoNakupu n = nakup(z, ja.penize, zasoba);
        ja.penize = n.kredit;
        zasoba = n.mnozstvi;
        ++davek;
        po_davce();
    } while (lze_koupit(z, ja.penize) && zasoba < z.strop && dalsi());
    return davek;
}

} // namespace

const char* zprava_strely(int k) { return zpravy_strel[k]; }

int kupuj_naftu(PlayerState& ja, int n, const std::function<void()>& po_davce)
{
    return kupuj_davky(ja, ja.nafta, nafta_zbozi, po_davce, [n] { return nahoda(n) == 0; });
}

int kupuj_energii(PlayerState& ja, std::int32_t obtiznost, const std::function<void()>& po_davce)
{
    // Below this level a better player keeps buying for sure, above it on a coin.
    const std::int32_t jiste_pod = 100 + 25 * obtiznost;
    return kupuj_davky(ja, ja.energie, energie_zbozi, po_davce,
                       [&ja, jiste_pod] { return ja.energie < jiste_pod || nahoda(2) != 0; });
}

void kup_strelu(PlayerState& ja, int k)
{
    const PoNakupu n = nakup(strela_zbozi(k), ja.penize, ja.naboje[static_cast<std::size_t>(k)]);
    ja.penize = n.kredit;
    ja.naboje[static_cast<std::size_t>(k)] = n.mnozstvi;
}

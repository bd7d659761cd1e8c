#include "EnemyArt.h"
namespace
{
using namespace enemyart;
template <int N>
class Stub : public KindPainter
{
public:
    static const char* kind();
    Stub() : KindPainter(kind(), 0) {}
    FrameFn sheet(const std::string&) const override
    {
        return [](const Frame& f) { shadedEllipse(f.c, f.w / 2, f.h / 2, f.w * 0.3, f.h * 0.3, palette::kAsh); };
    }
    void single(const std::string&, const std::filesystem::path& out) const override
    {
        Canvas c(64, 32);
        c.savePng(out);
    }
};
template <> const char* Stub<1>::kind() { return "Zeyn"; }
template <> const char* Stub<2>::kind() { return "Nazar"; }
template <> const char* Stub<3>::kind() { return "ToaTao"; }
template <> const char* Stub<4>::kind() { return "ToaMangere"; }
template <> const char* Stub<5>::kind() { return "ToaKaipupuhi"; }
template <> const char* Stub<6>::kind() { return "Nepturath"; }
template <> const char* Stub<7>::kind() { return "DarkHulant"; }
template <> const char* Stub<8>::kind() { return "LittleOwl"; }
template <> const char* Stub<9>::kind() { return "TheGod"; }
RegisterPainter<Stub<9>> r9;
} // namespace

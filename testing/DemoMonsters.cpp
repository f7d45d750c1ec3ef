// The demo's monster pictures: a few body plans, posed over four frames (two at rest, two of
// an attack), sized and coloured by the monster's rank. Some pictures carry one or two frames
// more (struck, fading) that the monster's frame mark leaves out of the animation.

#include "gamedata/ScenarioFile.h"
#include "testing/DemoArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace gamebuild::art {

namespace {

enum class Pose { Rest, Breathe, Windup, Strike };

// The colours of one monster.
struct Look {
    Paint body;   // skin, fur, scales
    Paint second; // clothes, belly, wings
    Paint third;  // trousers, hood, markings
    Paint metal;
    Paint wood;
    uint8_t eyes;
};

const Paint kMetal{kGrey, 4, 14};
const Paint kBonePaint{kBone, 4, 14};
const Paint kWood{kBrown, 2, 11};

uint8_t Index(DemoRamp ramp, int shade) { return static_cast<uint8_t>(PaletteIndex(ramp, shade)); }

// ---------------------------------------------------------------------------------------------
// Upright figures, seen from the front: 48 x 72 design units, feet at 70.

enum class Head { Human, Goblin, Dog, Skull, Hood, Brute };
enum class Weapon { None, Dagger, Sword, Axe, Club, Spear, Staff };

struct Figure {
    Head head = Head::Human;
    Weapon weapon = Weapon::None;
    bool shield = false;
    bool robe = false;
    bool crown = false;
    bool bones = false;
    bool tusks = false;
    bool hunched = false;
    bool bare = false; // no shirt: skin above a loincloth
    double shoulders = 1;
    double belly = 0;
    double arms = 1;
    double headSize = 1;
    double limbs = 1; // thickness
};

void DrawWeapon(Painter& p, Weapon weapon, Pt hand, double degrees, const Look& look, Pose pose)
{
    const Paint& metal = look.metal;
    const Paint& wood = look.wood;
    switch (weapon) {
    case Weapon::None:
        break;
    case Weapon::Dagger: {
        Pt tip = Polar(hand, degrees, 10);
        p.Polygon({Polar(hand, degrees + 90, 1.8), tip, Polar(hand, degrees - 90, 1.8)}, metal);
        p.Line(Polar(hand, degrees + 90, 2.5), Polar(hand, degrees - 90, 2.5), 1.2, metal.Shade(6));
        break;
    }
    case Weapon::Sword: {
        Pt base = Polar(hand, degrees, 2);
        Pt tip = Polar(hand, degrees, 21);
        p.Polygon({Polar(base, degrees + 90, 2), Polar(tip, degrees + 180 - 25, 3), tip,
                   Polar(tip, degrees + 180 + 25, 3), Polar(base, degrees - 90, 2)},
                  metal);
        p.Line(Polar(base, degrees, 1), Polar(tip, degrees + 180, 3), 0.6, metal.Shade(14));
        p.Limb(Polar(base, degrees + 90, 4), Polar(base, degrees - 90, 4), 1.1, 1.1, look.second.Darker(2));
        p.Limb(Polar(hand, degrees + 180, 4), hand, 0.9, 0.9, wood);
        break;
    }
    case Weapon::Axe: {
        Pt end = Polar(hand, degrees, 17);
        p.Limb(Polar(hand, degrees + 180, 4), end, 1.1, 1.1, wood);
        Pt head = Polar(end, degrees + 180, 2.5);
        Pt edge = Polar(head, degrees + 90, 7);
        p.Polygon({Polar(head, degrees, 2), Polar(edge, degrees, 4.5), Polar(edge, degrees + 180, 4.5),
                   Polar(head, degrees + 180, 2)},
                  metal);
        p.Line(Polar(edge, degrees, 4), Polar(edge, degrees + 180, 4), 0.8, metal.Shade(15));
        break;
    }
    case Weapon::Club: {
        Pt end = Polar(hand, degrees, 17);
        p.Limb(Polar(hand, degrees + 180, 3), end, 1.4, 3.6, wood);
        p.Disc(Polar(Polar(hand, degrees, 10), degrees + 90, 1.5), 0.8, wood.Shade(2));
        p.Disc(Polar(Polar(hand, degrees, 14), degrees - 90, 2), 0.8, wood.Shade(2));
        break;
    }
    case Weapon::Spear: {
        Pt end = Polar(hand, degrees, 22);
        p.Limb(Polar(hand, degrees + 180, 10), end, 0.8, 0.8, wood);
        p.Polygon({Polar(end, degrees + 90, 1.8), Polar(end, degrees, 7), Polar(end, degrees - 90, 1.8),
                   Polar(end, degrees + 180, 1)},
                  metal);
        break;
    }
    case Weapon::Staff: {
        Pt top = Polar(hand, degrees, 20);
        p.Limb(Polar(hand, degrees + 180, 12), top, 0.9, 1.1, wood);
        const bool flare = pose == Pose::Strike;
        const DemoRamp glow = look.third.ramp;
        p.Disc(top, flare ? 7 : 3.6, Index(glow, flare ? 6 : 4));
        p.Disc(top, flare ? 5 : 2.6, Index(glow, 10));
        p.Disc(top, flare ? 3 : 1.6, Index(glow, 14));
        p.Dot(top + Pt{-0.6, -0.6}, Index(kGrey, 15));
        break;
    }
    }
}

void DrawHead(Painter& p, const Figure& f, Pt c, const Look& look, Pose pose)
{
    const double s = f.headSize;
    const Paint& skin = look.body;
    const uint8_t eye = look.eyes;
    const uint8_t dark = skin.Shade(1);
    auto eyes = [&](double spread, double y, double r) {
        for (double side : {-1.0, 1.0}) {
            p.Disc(c + Pt{side * spread * s, y * s}, r * s, Index(kGrey, 1));
            p.Disc(c + Pt{side * spread * s, y * s}, r * s * 0.6, eye);
        }
    };
    switch (f.head) {
    case Head::Human:
        p.Ellipse(c + Pt{0, -1.5 * s}, 6.8 * s, 6.8 * s, look.third);             // hair
        p.Ellipse(c + Pt{0, 0.8 * s}, 5.8 * s, 6.8 * s, skin);                    // face
        p.Ellipse(c + Pt{0, -4.5 * s}, 5.5 * s, 2.6 * s, look.third.NoOutline()); // fringe
        eyes(2.4, 0.2, 1.1);
        p.Line(c + Pt{-1.5 * s, 4.2 * s}, c + Pt{1.5 * s, 4.2 * s}, 0.7 * s, dark);
        p.Line(c + Pt{0, 1 * s}, c + Pt{0.5 * s, 2.5 * s}, 0.7 * s, skin.Shade(6));
        break;
    case Head::Goblin:
        for (double side : {-1.0, 1.0})
            p.Polygon({c + Pt{side * 4 * s, -3 * s}, c + Pt{side * 13 * s, -6 * s}, c + Pt{side * 4.5 * s, 2 * s}},
                      skin);
        p.Ellipse(c, 6 * s, 6.5 * s, skin);
        eyes(2.5, -1, 1.4);
        p.Ellipse(c + Pt{0, 1.5 * s}, 1.3 * s, 2.6 * s, skin.Lighter(1));
        p.Line(c + Pt{-3 * s, 4.5 * s}, c + Pt{3 * s, 4.5 * s}, 1 * s, dark);
        p.Dot(c + Pt{-1.5 * s, 5 * s}, Index(kBone, 14));
        p.Dot(c + Pt{1.5 * s, 5 * s}, Index(kBone, 14));
        break;
    case Head::Dog:
        for (double side : {-1.0, 1.0}) {
            p.Polygon({c + Pt{side * 2 * s, -4 * s}, c + Pt{side * 6 * s, -12 * s}, c + Pt{side * 6.5 * s, -2 * s}},
                      skin);
            p.Limb(c + Pt{side * 2.5 * s, -5 * s}, c + Pt{side * 3.8 * s, -9 * s}, 0.9 * s, 0.3 * s, kBonePaint);
        }
        p.Ellipse(c, 6 * s, 6 * s, skin);
        p.Ellipse(c + Pt{0, 3.4 * s}, 3.6 * s, 3 * s, skin.Lighter(2));
        p.Disc(c + Pt{0, 2 * s}, 1.3 * s, Index(kGrey, 1));
        eyes(2.8, -1.5, 1.1);
        if (pose == Pose::Strike)
            p.Ellipse(c + Pt{0, 5.5 * s}, 2.2 * s, 1.2 * s, look.second.Darker(4));
        break;
    case Head::Skull:
        p.Ellipse(c + Pt{0, -0.5 * s}, 5.8 * s, 6 * s, look.body);
        p.Ellipse(c + Pt{0, 4 * s}, 3.8 * s, 2.6 * s, look.body);
        for (double side : {-1.0, 1.0}) {
            p.Disc(c + Pt{side * 2.3 * s, 0}, 1.6 * s, Index(kGrey, 0));
            p.Disc(c + Pt{side * 2.3 * s, 0.2 * s}, 0.6 * s, eye);
        }
        p.FlatPolygon({c + Pt{0, 1.8 * s}, c + Pt{-0.9 * s, 3.2 * s}, c + Pt{0.9 * s, 3.2 * s}}, Index(kGrey, 1));
        for (int t = -2; t <= 2; ++t)
            p.Line(c + Pt{t * 1.1 * s, 4.3 * s}, c + Pt{t * 1.1 * s, 5.8 * s}, 0.4 * s, Index(kBone, 3));
        break;
    case Head::Hood: {
        const Paint& hood = f.robe ? look.second : look.third;
        p.Ellipse(c + Pt{0, -0.5 * s}, 7.5 * s, 8.5 * s, hood);
        p.Ellipse(c + Pt{0, 1.5 * s}, 4.6 * s, 5.6 * s, hood.Darker(2).NoOutline());
        if (f.bones) {
            p.Ellipse(c + Pt{0, 1.5 * s}, 3.6 * s, 4.4 * s, look.body.NoOutline());
            for (double side : {-1.0, 1.0})
                p.Disc(c + Pt{side * 1.6 * s, 1 * s}, 1.1 * s, Index(kGrey, 0));
            p.Line(c + Pt{-1.5 * s, 4.2 * s}, c + Pt{1.5 * s, 4.2 * s}, 0.5 * s, Index(kGrey, 2));
        } else if (look.body.ramp == kFlesh) {
            p.Ellipse(c + Pt{0, 2 * s}, 3.4 * s, 4 * s, skin.NoOutline());
            p.Disc(c + Pt{-1.4 * s, 1.2 * s}, 0.6 * s, Index(kGrey, 1));
            p.Disc(c + Pt{1.4 * s, 1.2 * s}, 0.6 * s, Index(kGrey, 1));
            p.Ellipse(c + Pt{0, 5 * s}, 2.8 * s, 2.4 * s, look.third.Lighter(1).NoOutline()); // scarf
        } else {
            p.Ellipse(c + Pt{0, 1.5 * s}, 3.6 * s, 4.4 * s, Paint{kGrey, 0, 1, -1});
        }
        for (double side : {-1.0, 1.0})
            p.Disc(c + Pt{side * 1.6 * s, 1 * s}, 0.7 * s, eye);
        break;
    }
    case Head::Brute:
        p.Ellipse(c, 7 * s, 6.5 * s, skin);
        p.Ellipse(c + Pt{0, 4 * s}, 6 * s, 3.8 * s, skin);
        p.Ellipse(c + Pt{0, -2 * s}, 6.5 * s, 1.6 * s, skin.Darker(1).NoOutline()); // brow
        eyes(2.7, -0.4, 1);
        p.Ellipse(c + Pt{0, 1.8 * s}, 1.8 * s, 2 * s, skin.Lighter(1));
        p.Line(c + Pt{-3.2 * s, 5 * s}, c + Pt{3.2 * s, 5 * s}, 0.9 * s, dark);
        if (f.tusks)
            for (double side : {-1.0, 1.0})
                p.Limb(c + Pt{side * 2.6 * s, 5 * s}, c + Pt{side * 3.2 * s, 2.6 * s}, 0.8 * s, 0.3 * s, kBonePaint);
        break;
    }
    if (f.crown)
        p.Polygon({c + Pt{-5 * s, -5 * s}, c + Pt{-5.5 * s, -10 * s}, c + Pt{-2.5 * s, -7 * s}, c + Pt{0, -11 * s},
                   c + Pt{2.5 * s, -7 * s}, c + Pt{5.5 * s, -10 * s}, c + Pt{5 * s, -5 * s}},
                  Paint{kGold, 4, 14});
}

void DrawFigure(Painter& p, Pose pose, const Look& look, const Figure& f)
{
    const double bob = pose == Pose::Breathe ? 0.9 : pose == Pose::Strike ? 1.2 : 0;
    const double lean = pose == Pose::Strike ? -1.5 : pose == Pose::Windup ? 0.8 : 0;
    const double w = f.shoulders, r = f.limbs;
    const Pt up{lean, bob + (f.hunched ? 4 : 0)};
    const Paint& skin = look.body;
    const Paint limbPaint = f.bones ? look.body : skin;
    const double limbR = f.bones && !f.robe ? 1.1 : 2.3 * r;

    // Legs, or the hem of a robe.
    if (!f.robe) {
        for (double side : {-1.0, 1.0}) {
            Pt hip{24 + side * 4.5 * w, 45};
            Pt foot{24 + side * 6.5 * w, 67.5};
            if (f.bones) {
                p.Limb(hip, Pt{hip.x + side, 56}, 1.2, 1.1, look.body);
                p.Limb(Pt{hip.x + side, 56}, foot, 1.1, 1, look.body);
                p.Disc(Pt{hip.x + side, 56}, 1.5, look.body.Shade(11));
            } else {
                p.Limb(hip, Pt{hip.x + side * 1.5, 57}, 3.4 * r, 2.8 * r, look.third);
                p.Limb(Pt{hip.x + side * 1.5, 57}, foot, 2.8 * r, 2.4 * r, look.third.Darker(1));
            }
            p.Ellipse(Pt{foot.x + side * 1.5, 68.5}, 3.6 * r, 1.9, f.bones ? look.body : look.wood.Darker(1));
        }
    }

    // Body.
    if (f.robe) {
        const double sway = pose == Pose::Breathe ? 1 : pose == Pose::Strike ? -1.5 : 0;
        p.Polygon({up + Pt{24 - 7 * w, 22}, up + Pt{24 + 7 * w, 22}, up + Pt{24 + 9.5 * w, 26}, Pt{24 + 15 + sway, 70},
                   Pt{24 + 5, 68.5}, Pt{24 - 2, 70}, Pt{24 - 9, 68.5}, Pt{24 - 15 + sway, 70},
                   up + Pt{24 - 9.5 * w, 26}},
                  look.second);
        p.Polygon(
            {up + Pt{24 - 1.5, 30}, up + Pt{24 + 1.5, 30}, Pt{24 + 3 + sway * 0.5, 69}, Pt{24 - 3 + sway * 0.5, 69}},
            look.second.Darker(2).NoOutline());
        p.Polygon({up + Pt{24 - 4, 23}, up + Pt{24 + 4, 23}, up + Pt{24, 31}}, look.second.Lighter(2).NoOutline());
        p.Line(up + Pt{24 - 8 * w, 42}, up + Pt{24 + 8 * w, 42}, 1.2, look.third.Shade(look.third.light));
    } else if (f.bones) {
        p.Line(up + Pt{24, 22}, up + Pt{24, 45}, 1.6, look.body.Shade(10));
        p.Ellipse(up + Pt{24, 32}, 7 * w, 8, look.body);
        for (int rib = 0; rib < 4; ++rib)
            p.Line(up + Pt{24 - 6 * w, 27.5 + 3 * rib}, up + Pt{24 + 6 * w, 27.5 + 3 * rib}, 0.8, Index(kGrey, 1));
        p.Line(up + Pt{24, 25}, up + Pt{24, 39}, 1.2, look.body.Shade(12));
        p.Ellipse(up + Pt{24, 45}, 5.5 * w, 2.6, look.body);
    } else if (f.bare) {
        p.Polygon(
            {up + Pt{24 - 8 * w, 42}, up + Pt{24 + 8 * w, 42}, Pt{24 + 6 * w, 56}, Pt{24, 53}, Pt{24 - 6 * w, 56}},
            look.second);
        p.Ellipse(up + Pt{24, 33}, 9.5 * w, 12, skin);
        if (f.belly > 0)
            p.Ellipse(up + Pt{24, 38}, 8.5 * w * f.belly, 7.5 * f.belly, skin);
        for (double side : {-1.0, 1.0})
            p.Line(up + Pt{24 + side * 6 * w, 30}, up + Pt{24 + side * 1.5, 31}, 0.7, skin.Shade(skin.dark));
    } else {
        p.Polygon({up + Pt{24 - 9 * w, 22}, up + Pt{24 + 9 * w, 22}, up + Pt{24 + 10.5 * w, 29},
                   up + Pt{24 + 8 * w, 45}, up + Pt{24 - 8 * w, 45}, up + Pt{24 - 10.5 * w, 29}},
                  look.second);
        p.Line(up + Pt{24, 24}, up + Pt{24, 43}, 0.8, look.second.Shade(look.second.dark));
        p.Polygon({up + Pt{24 - 3.5, 22}, up + Pt{24 + 3.5, 22}, up + Pt{24, 26.5}}, skin.NoOutline());
        p.Line(up + Pt{24 - 9 * w, 44}, up + Pt{24 + 9 * w, 44}, 2.2, look.wood.Shade(3));
        p.Disc(up + Pt{24, 44}, 1.3, Index(kGold, 12));
    }

    // Arms: the weapon in the figure's right hand (the picture's left), a shield in the other.
    const Pt shoulderL = up + Pt{24 - 9 * w, 25}, shoulderR = up + Pt{24 + 9 * w, 25};
    const double a = f.arms;
    Pt elbowL, handL;
    double weaponAngle;
    switch (pose) {
    case Pose::Windup:
        elbowL = shoulderL + Pt{-5, -5} * a, handL = elbowL + Pt{3, -8} * a, weaponAngle = -40;
        break;
    case Pose::Strike:
        elbowL = shoulderL + Pt{-5, 8} * a, handL = elbowL + Pt{7, 6} * a, weaponAngle = 160;
        break;
    default:
        elbowL = shoulderL + Pt{-3.5, 9.5} * a, handL = elbowL + Pt{0.5, 9.5} * a, weaponAngle = -100;
        if (f.weapon == Weapon::Staff || f.weapon == Weapon::Spear)
            handL = elbowL + Pt{-1, 8} * a, weaponAngle = -92;
        break;
    }
    const Pt elbowR = shoulderR + Pt{3.5 + (pose == Pose::Strike ? 1 : 0), 9.5} * a;
    const Pt handR = elbowR + (f.shield ? Pt{-2, 7} : Pt{0.5, 9.5}) * a;

    const bool weaponBehind = pose == Pose::Windup;
    if (weaponBehind)
        DrawWeapon(p, f.weapon, handL, weaponAngle, look, pose);
    const Paint sleeve = f.robe ? look.second : limbPaint;
    p.Limb(shoulderR, elbowR, limbR * 1.15, limbR, sleeve);
    p.Limb(elbowR, handR, limbR, limbR * 0.9, f.robe ? look.second.Darker(1) : limbPaint);
    p.Ellipse(handR, limbR * 1.1 + 0.5, limbR * 1.1 + 0.5, limbPaint);
    if (f.shield) {
        p.Ellipse(handR + Pt{1, 0}, 6.5, 8, look.third.Lighter(1));
        p.Ellipse(handR + Pt{1, 0}, 4.5, 6, look.third.NoOutline());
        p.Disc(handR + Pt{1, 0}, 1.6, kMetal.Shade(13));
    }
    p.Limb(shoulderL, elbowL, limbR * 1.15, limbR, sleeve);
    p.Limb(elbowL, handL, limbR, limbR * 0.9, f.robe ? look.second.Darker(1) : limbPaint);

    // Head, then the weapon and the hand that holds it.
    const Pt neck = up + Pt{24, 21};
    if (!f.robe || f.head != Head::Hood)
        p.Limb(neck + Pt{0, 2}, neck + Pt{0, -3}, f.bones ? 1 : 2.2 * r, f.bones ? 1 : 2.2 * r, limbPaint);
    const Pt headCentre = up + Pt{f.hunched ? 23.0 : 24.0, f.hunched ? 14.5 : 13.5};
    DrawHead(p, f, headCentre, look, pose);
    if (!weaponBehind)
        DrawWeapon(p, f.weapon, handL, weaponAngle, look, pose);
    p.Ellipse(handL, limbR * 1.1 + 0.5, limbR * 1.1 + 0.5, limbPaint);
}

// ---------------------------------------------------------------------------------------------
// Four-legged beasts seen from the side, facing left: 64 x 44 design units, paws at 42.

struct Beast {
    double length = 1; // of the body
    double height = 1; // of the body
    double legs = 1;   // length
    double snout = 1;  // length
    bool roundEars = false;
    bool thinTail = false;
    bool mane = false;
};

void DrawBeast(Painter& p, Pose pose, const Look& look, const Beast& b)
{
    const double crouch = pose == Pose::Windup ? 2.5 : 0;
    const double lunge = pose == Pose::Strike ? -4 : 0;
    const double bob = pose == Pose::Breathe ? 0.7 : 0;
    const double ground = 42;
    const double legLength = 15 * b.legs;
    const double top = ground - legLength - 8 * b.height + crouch;
    const Pt shoulder{30 - 12 * b.length + lunge, top + 6 * b.height + bob};
    const Pt hip{30 + 12 * b.length + lunge * 0.5, top + 5.5 * b.height + bob};
    const Paint& fur = look.body;
    const Paint far = fur.Darker(3);

    // Tail, far legs, body, near legs, head.
    const double swish = pose == Pose::Breathe ? 2 : pose == Pose::Strike ? -2 : 0;
    if (b.thinTail)
        p.Chain({hip + Pt{5, -1}, hip + Pt{12, 3}, hip + Pt{17, 0 + swish}, hip + Pt{21, -5 + swish}}, 1.1, 0.4,
                look.third);
    else
        p.Chain({hip + Pt{5, -3}, hip + Pt{10, -6}, hip + Pt{15, -6 + swish}, hip + Pt{19, -3 + swish}}, 2.2, 1.2, fur);

    auto leg = [&](Pt joint, double forward, const Paint& paint, double raise) {
        const Pt knee{joint.x + forward, joint.y + legLength * 0.55 - raise};
        const Pt paw{joint.x + forward * 0.3 - raise * 0.6, ground - raise};
        p.Limb(joint, knee, 3.2 * b.height, 2.1, paint);
        p.Limb(knee, paw, 2.1, 1.7, paint);
        p.Ellipse(paw + Pt{-1.2, 0}, 2.6, 1.5, paint);
    };
    const double raise = pose == Pose::Strike ? 6 : 0;
    leg(shoulder + Pt{3, 3}, -1, far, raise * 0.6);
    leg(hip + Pt{-2, 3}, 2.5, far, 0);

    p.Ellipse(Pt{(shoulder.x + hip.x) / 2, (shoulder.y + hip.y) / 2}, 13.5 * b.length + 2, 7.5 * b.height, fur);
    p.Ellipse(Pt{(shoulder.x + hip.x) / 2 - 1, shoulder.y + 4 * b.height}, 9 * b.length, 3 * b.height,
              look.second.NoOutline());
    p.Ellipse(hip + Pt{1, 0}, 7, 7.5 * b.height, fur);
    p.Ellipse(shoulder, 7.5, 8 * b.height, fur);
    if (b.mane)
        p.Ellipse(shoulder + Pt{-1, -3}, 7, 6.5, fur.Darker(1));
    leg(shoulder + Pt{-1, 4}, -2, fur, raise);
    leg(hip + Pt{2, 4}, 3, fur, 0);

    const double headDrop = pose == Pose::Windup ? 4 : pose == Pose::Strike ? -1 : 0;
    const Pt head = shoulder + Pt{-8 + lunge * 0.5, -8 * b.height + headDrop};
    p.Limb(shoulder + Pt{-1, -2}, head, 5, 4, fur);
    const Pt snoutEnd = head + Pt{-7 * b.snout - 3, 3};
    const bool open = pose == Pose::Strike;
    if (open) {
        p.Limb(head + Pt{-2, 3}, snoutEnd + Pt{2, 5}, 2.2, 1.2, fur.Darker(1));
        p.Polygon({head + Pt{-3, 3}, snoutEnd + Pt{2, 1.5}, snoutEnd + Pt{2, 4}}, Paint{kRed, 2, 7, 0});
        for (int t = 0; t < 3; ++t)
            p.Dot(head + Pt{-4 - 2.2 * t * b.snout, 3.2 + 0.3 * t}, Index(kBone, 15));
    }
    p.Ellipse(head, 5.5, 5, fur);
    p.Limb(head + Pt{-2, 0.5}, snoutEnd, 3.3, 1.9, fur);
    p.Disc(snoutEnd + Pt{-0.8, -0.5}, 1.3, Index(kGrey, 1));
    if (!open)
        p.Line(head + Pt{-3, 3}, snoutEnd + Pt{2, 1.5}, 0.6, fur.Shade(1));
    if (b.roundEars) {
        p.Ellipse(head + Pt{2, -4.5}, 2.8, 3.2, Paint{kFlesh, 3, 11});
    } else {
        p.Polygon({head + Pt{-0.5, -3}, head + Pt{2, -10}, head + Pt{4, -2}}, fur);
        p.Polygon({head + Pt{1, -3}, head + Pt{2, -7.5}, head + Pt{3, -2.5}}, fur.Darker(3).NoOutline());
    }
    p.Disc(head + Pt{-2.2, -1.2}, 1.2, Index(kGrey, 1));
    p.Disc(head + Pt{-2.4, -1.3}, 0.7, look.eyes);
}

// ---------------------------------------------------------------------------------------------
// A dragon from the side, facing left: 96 x 72 design units.

void DrawDrake(Painter& p, Pose pose, const Look& look)
{
    const Paint& scales = look.body;
    const Paint& belly = look.second;
    const double bob = pose == Pose::Breathe ? 1 : 0;
    const double lunge = pose == Pose::Strike ? -4 : pose == Pose::Windup ? 3 : 0;
    const double wingLift = pose == Pose::Breathe ? -5 : pose == Pose::Windup ? -9 : pose == Pose::Strike ? 4 : 0;
    const Pt body{76 + lunge * 0.5, 44 + bob};

    // Far wing, tail, far legs, body, near legs, neck and head, near wing.
    auto wing = [&](Pt root, double lift, const Paint& paint) {
        const Pt elbow = root + Pt{6, -16 + lift};
        const Pt tip = root + Pt{26, -22 + lift * 1.5};
        p.Polygon({root + Pt{-8, 0}, elbow, tip, root + Pt{24, -6 + lift * 0.5}, root + Pt{18, -2 + lift * 0.2},
                   root + Pt{10, 0}, root + Pt{4, 3}},
                  paint);
        p.Line(elbow, tip, 1.2, paint.Shade(paint.dark));
        p.Line(elbow, root + Pt{24, -6 + lift * 0.5}, 0.9, paint.Shade(paint.dark));
        p.Line(elbow, root + Pt{10, 0}, 0.9, paint.Shade(paint.dark));
        p.Limb(root, elbow, 1.6, 1.2, scales);
    };
    wing(body + Pt{-6, -7}, wingLift - 3, look.third.Darker(3));
    p.Chain({body + Pt{12, 0}, body + Pt{24, 6}, body + Pt{33, 4 + bob}, body + Pt{40, -3 + bob}}, 5, 1.2, scales);
    p.Polygon({body + Pt{38, -2 + bob}, body + Pt{44, -8 + bob}, body + Pt{43, 0 + bob}}, scales);
    const Paint far = scales.Darker(3);
    p.Limb(body + Pt{-10, 4}, body + Pt{-13, 23 - bob}, 3.5, 2.4, far);
    p.Limb(body + Pt{10, 4}, body + Pt{13, 23 - bob}, 4, 2.6, far);
    p.Ellipse(body, 17, 10, scales);
    p.Ellipse(body + Pt{-2, 5}, 14, 4.5, belly.NoOutline());
    for (int k = 0; k < 5; ++k)
        p.Line(body + Pt{-12 + 6.0 * k, 3.5}, body + Pt{-12 + 6.0 * k, 8}, 0.6, belly.Shade(belly.dark));
    const double frontRaise = pose == Pose::Strike ? 5 : 0;
    p.Limb(body + Pt{-12, 5}, body + Pt{-16, 16 - frontRaise}, 4, 3, scales);
    p.Limb(body + Pt{-16, 16 - frontRaise}, body + Pt{-19, 24 - bob - frontRaise}, 3, 2.4, scales);
    p.Ellipse(body + Pt{-20, 24.5 - bob - frontRaise}, 3.5, 1.8, scales);
    p.Ellipse(body + Pt{12, 2}, 8, 9, scales);
    p.Limb(body + Pt{12, 6}, body + Pt{15, 24 - bob}, 3.5, 2.6, scales);
    p.Ellipse(body + Pt{13.5, 24.5 - bob}, 3.8, 1.8, scales);

    const double headDrop = pose == Pose::Windup ? -3 : pose == Pose::Strike ? 5 : 0;
    const Pt head{body.x - 34 + lunge, body.y - 22 + headDrop + bob};
    p.Chain({body + Pt{-12, -2}, body + Pt{-20, -10}, head + Pt{9, 4}, head + Pt{2, 0}}, 6, 3.5, scales);
    for (int k = 0; k < 4; ++k)
        p.Polygon({body + Pt{-12 - 5.0 * k, -7 - 3.0 * k}, body + Pt{-14 - 5.0 * k, -12 - 3.0 * k},
                   body + Pt{-16 - 5.0 * k, -5 - 3.0 * k}},
                  look.third);
    const bool open = pose == Pose::Strike;
    if (open) {
        // Fire from the open jaws.
        const Pt mouth = head + Pt{-9, 3};
        p.Polygon({mouth, mouth + Pt{-20, -6}, mouth + Pt{-24, 2}, mouth + Pt{-20, 9}}, Paint{kRed, 6, 13, -1});
        p.Polygon({mouth, mouth + Pt{-16, -3}, mouth + Pt{-19, 2}, mouth + Pt{-16, 6}}, Paint{kOrange, 9, 15, -1});
        p.Polygon({mouth, mouth + Pt{-11, -1}, mouth + Pt{-13, 2}, mouth + Pt{-11, 4}}, Paint{kYellow, 12, 15, -1});
        p.Limb(head + Pt{-1, 3}, head + Pt{-9, 7}, 2.2, 1.4, scales.Darker(1));
    }
    p.Ellipse(head, 6, 5, scales);
    p.Limb(head + Pt{-2, 0}, head + Pt{-10, open ? 0.0 : 2.0}, 3.5, 2.2, scales);
    for (double side : {0.0, 1.0})
        p.Limb(head + Pt{2 + 2.0 * side, -3}, head + Pt{8 + 3.0 * side, -10 + 1.0 * side}, 1.3, 0.3, kBonePaint);
    p.Disc(head + Pt{-1.5, -1.5}, 1.4, Index(kGrey, 1));
    p.Disc(head + Pt{-1.7, -1.6}, 0.8, look.eyes);
    p.Dot(head + Pt{-9.5, 0}, Index(kGrey, 1));
    wing(body + Pt{-2, -8}, wingLift, look.third);
}

// ---------------------------------------------------------------------------------------------
// A bat, wings spread, from the front: 48 x 40 design units.

void DrawBat(Painter& p, Pose pose, const Look& look)
{
    const double flap = pose == Pose::Rest ? -7 : pose == Pose::Breathe ? 5 : pose == Pose::Windup ? -10 : 2;
    const double rise = pose == Pose::Breathe ? 2 : pose == Pose::Windup ? -2 : 0;
    const Pt body{24, 21 + rise};
    for (double side : {-1.0, 1.0}) {
        auto at = [&](double x, double y) { return body + Pt{side * x, y}; };
        const Pt wrist = at(12, -8 + flap);
        const Pt tip = at(23, -2 + flap * 1.3);
        p.Polygon({at(3, -5), wrist, tip, at(19, 6 + flap * 0.5), at(15, 3 + flap * 0.3), at(11, 8 + flap * 0.3),
                   at(7, 4), at(3, 6)},
                  look.second);
        for (const Pt& finger : {tip, at(19, 6 + flap * 0.5), at(11, 8 + flap * 0.3)})
            p.Line(wrist, finger, 0.7, look.second.Shade(1));
        p.Limb(at(3, -4), wrist, 1.3, 1, look.body);
        p.Polygon({wrist, wrist + Pt{side * 0.5, -3}, wrist + Pt{side * 2, 0}}, kBonePaint);
    }
    p.Ellipse(body, 5, 7.5, look.body);
    p.Ellipse(body + Pt{0, 2}, 3, 4.5, look.body.Lighter(2).NoOutline());
    const Pt head = body + Pt{0, -8};
    for (double side : {-1.0, 1.0})
        p.Polygon({head + Pt{side * 1.5, -2}, head + Pt{side * 5, -10}, head + Pt{side * 5.5, -1}}, look.body);
    p.Ellipse(head, 4.6, 4, look.body);
    for (double side : {-1.0, 1.0}) {
        p.Disc(head + Pt{side * 1.8, -0.5}, 1.1, Index(kGrey, 1));
        p.Disc(head + Pt{side * 1.8, -0.5}, 0.7, look.eyes);
    }
    const bool open = pose == Pose::Strike;
    p.Line(head + Pt{-1.5, 2.2}, head + Pt{1.5, 2.2}, open ? 1.4 : 0.6, Index(kRed, 3));
    p.Line(head + Pt{-1, 2}, head + Pt{-0.8, open ? 4.2 : 3.3}, 0.6, Index(kBone, 15));
    p.Line(head + Pt{1, 2}, head + Pt{0.8, open ? 4.2 : 3.3}, 0.6, Index(kBone, 15));
    for (double side : {-1.0, 1.0})
        p.Limb(body + Pt{side * 2, 6}, body + Pt{side * 3, open ? 13.0 : 10.0}, 0.9, 0.6, look.body.Darker(2));
}

// ---------------------------------------------------------------------------------------------
// A spider from the front: 64 x 48 design units.

void DrawSpider(Painter& p, Pose pose, const Look& look)
{
    const double bob = pose == Pose::Breathe ? 1 : pose == Pose::Windup ? -1.5 : 0;
    const Pt thorax{32, 28 + bob};
    p.Ellipse(Pt{32, 17 + bob * 0.5}, 15, 11.5, look.body);
    p.Polygon({Pt{29, 10 + bob * 0.5}, Pt{35, 10 + bob * 0.5}, Pt{32, 17 + bob * 0.5}}, look.third.NoOutline());
    p.Polygon({Pt{29, 24 + bob * 0.5}, Pt{35, 24 + bob * 0.5}, Pt{32, 17 + bob * 0.5}}, look.third.NoOutline());
    for (double side : {-1.0, 1.0})
        for (int k = 3; k >= 0; --k) {
            const bool raised = k == 0 && (pose == Pose::Windup || pose == Pose::Strike);
            const Pt hip = thorax + Pt{side * 6, -2 + 1.6 * k};
            Pt knee = Pt{32 + side * (15 + 4.5 * k), 14 + 3.5 * k + bob * 0.5};
            Pt foot = Pt{32 + side * (18 + 5.5 * k), 45};
            if (raised) {
                knee = Pt{32 + side * 13, pose == Pose::Windup ? 6.0 : 12.0};
                foot = Pt{32 + side * (pose == Pose::Windup ? 9 : 5), pose == Pose::Windup ? 0.0 : 36.0};
            }
            const Paint leg = k % 2 ? look.body.Darker(1) : look.body;
            p.Limb(hip, knee, 2, 1.5, leg);
            p.Limb(knee, foot, 1.5, 0.8, leg);
        }
    p.Ellipse(thorax, 9, 7, look.body.Lighter(1));
    const double spread = pose == Pose::Strike ? 2.5 : 1;
    for (double side : {-1.0, 1.0})
        p.Limb(thorax + Pt{side * 2.5, 4}, thorax + Pt{side * spread, 10}, 1.5, 0.5, look.third.Darker(2));
    const Pt eyes[] = {{-3, -2}, {3, -2}, {-1.2, -3}, {1.2, -3}, {-5, -0.5}, {5, -0.5}, {-2, 0}, {2, 0}};
    for (const Pt& e : eyes) {
        p.Disc(thorax + e, 1.1, Index(kGrey, 1));
        p.Disc(thorax + e, 0.7, look.eyes);
    }
}

// ---------------------------------------------------------------------------------------------
// A slime: 48 x 40 design units.

void DrawSlime(Painter& p, Pose pose, const Look& look)
{
    const double rx = pose == Pose::Breathe ? 17.5 : pose == Pose::Windup ? 13.5 : pose == Pose::Strike ? 15 : 16;
    const double ry = pose == Pose::Breathe ? 9.5 : pose == Pose::Windup ? 13 : pose == Pose::Strike ? 11 : 11;
    const Pt c{pose == Pose::Strike ? 22.0 : 24.0, 38 - ry};
    if (pose == Pose::Strike)
        p.Chain({c + Pt{-8, -2}, c + Pt{-14, -8}, c + Pt{-19, -6}, c + Pt{-21, 0}}, 4, 2.2, look.body);
    p.Ellipse(c, rx, ry, look.body);
    p.Ellipse(c + Pt{rx * 0.4, -ry * 0.55}, rx * 0.35, ry * 0.4, look.body);
    p.Ellipse(c + Pt{-rx * 0.3, -ry * 0.2}, rx * 0.5, ry * 0.45, look.body.Lighter(2).NoOutline());
    p.Disc(c + Pt{-rx * 0.45, -ry * 0.45}, 1.6, Index(look.body.ramp, 15));
    for (const Pt& bubble : {Pt{0.35, 0.35}, Pt{-0.1, 0.55}, Pt{0.6, 0.05}})
        p.Disc(c + Pt{bubble.x * rx, bubble.y * ry}, 1.2, look.body.Shade(look.body.light));
    for (double side : {-1.0, 1.0}) {
        p.Disc(c + Pt{side * 4 - 2, -2}, 2.6, Index(kGrey, 14));
        p.Disc(c + Pt{side * 4 - 2.6, -1.6}, 1.3, look.eyes);
    }
    const double open = pose == Pose::Strike ? 2.2 : pose == Pose::Windup ? 1.4 : 0.7;
    p.Ellipse(c + Pt{-2, 4.5}, 4, open, Paint{look.body.ramp, 0, 2, -1});
}

// ---------------------------------------------------------------------------------------------
// A wraith, floating, from the front: 56 x 80 design units.

void DrawWraith(Painter& p, Pose pose, const Look& look)
{
    const double bob = pose == Pose::Breathe ? 2.5 : pose == Pose::Windup ? -1.5 : 0;
    const double reach = pose == Pose::Strike ? 1 : 0;
    const Pt c{28, 10 + bob};
    const double hem = 66 + bob;
    const double flutter = pose == Pose::Breathe ? 2 : pose == Pose::Strike ? -2 : 0;
    p.Polygon({c + Pt{-8, 8}, c + Pt{8, 8}, Pt{28 + 15, hem - 8}, Pt{28 + 12 + flutter, hem}, Pt{28 + 7, hem - 6},
               Pt{28 + 3 - flutter, hem + 4}, Pt{28 - 2, hem - 5}, Pt{28 - 7 + flutter, hem + 2}, Pt{28 - 10, hem - 7},
               Pt{28 - 15 - flutter, hem - 1}},
              look.second);
    p.Polygon({c + Pt{-2, 14}, c + Pt{2, 14}, Pt{28 + 3, hem - 4}, Pt{28 - 3, hem - 4}},
              look.second.Darker(2).NoOutline());
    for (double side : {-1.0, 1.0}) {
        const Pt shoulder = c + Pt{side * 8, 11};
        const Pt elbow = shoulder + (pose == Pose::Windup ? Pt{side * 8, -8} : Pt{side * 9, 8 - 6 * reach});
        const Pt hand = elbow + (pose == Pose::Windup ? Pt{side * 2, -8} : Pt{side * (3 - 6 * reach), 9 - 6 * reach});
        p.Limb(shoulder, elbow, 3.2, 2.4, look.second);
        p.Limb(elbow, hand, 1.2, 0.9, look.body);
        for (int finger = -1; finger <= 1; ++finger)
            p.Limb(hand, hand + Pt{side * 1.5 + finger * 1.5, 4 - std::abs(finger) * 0.5}, 0.6, 0.2, look.body);
    }
    p.Ellipse(c + Pt{0, 1}, 8, 9.5, look.third);
    p.Ellipse(c + Pt{0, 3}, 5, 6, Paint{kGrey, 0, 1, -1});
    for (double side : {-1.0, 1.0}) {
        p.Disc(c + Pt{side * 2, 2}, 1.5, Index(look.eyes / 16 == kSky ? kTeal : kSky, 8));
        p.Disc(c + Pt{side * 2, 2}, 0.9, look.eyes);
    }
    if (pose == Pose::Strike)
        p.Ellipse(c + Pt{0, 6.5}, 1.6, 1.2, Paint{kGrey, 0, 0, -1});
}

// ---------------------------------------------------------------------------------------------
// A carnivorous vine: 56 x 72 design units.

void DrawVine(Painter& p, Pose pose, const Look& look)
{
    const double phase = pose == Pose::Rest ? 0 : pose == Pose::Breathe ? 1.5 : pose == Pose::Windup ? 3 : 4.5;
    p.Ellipse(Pt{28, 68}, 18, 4, Paint{kBrown, 1, 7});
    // Stalks rising from the ground and swaying.
    const double roots[] = {14, 22, 36, 43};
    for (int s = 0; s < 4; ++s) {
        std::vector<Pt> points;
        const double height = 34 + 8 * (s % 2);
        for (int k = 0; k <= 5; ++k) {
            const double t = k / 5.0;
            points.push_back(
                {roots[s] + std::sin(t * 3 + phase * 0.7 + s) * 4 * t + (roots[s] - 28) * t * 0.5, 67 - height * t});
        }
        p.Chain(points, 2.6, 0.8, look.body.Darker(s % 2));
        for (int k = 1; k < 5; ++k) {
            const Pt at = points[k];
            const int side = (k + s) % 2 ? 1 : -1;
            if (k % 2)
                p.Ellipse(at + Pt{side * 3.5, -1}, 3.8, 1.6, look.second, side * 30.0);
            else
                p.FlatPolygon({at + Pt{side * 1.5, 0}, at + Pt{side * 3.5, -1.5}, at + Pt{side * 1.5, -1.5}},
                              Index(kBone, 12));
        }
    }
    // The central stalk carries the flower, which lunges when it bites.
    const double lunge = pose == Pose::Strike ? -7 : pose == Pose::Windup ? 3 : 0;
    const Pt head{28 + lunge, 22 + (pose == Pose::Windup ? -3 : 0) + std::sin(phase) * 0.8};
    p.Chain({Pt{28, 66}, Pt{30, 52}, Pt{27 + lunge * 0.3, 38}, head + Pt{0, 5}}, 3.6, 2.6, look.body);
    if (pose == Pose::Strike)
        p.Chain({Pt{22, 60}, Pt{12, 52}, Pt{5, 42}, Pt{4, 30}}, 1.6, 0.6, look.body.Lighter(1));
    const double open = pose == Pose::Strike ? 1.4 : pose == Pose::Windup ? 1.15 : 1;
    for (int k = 0; k < 7; ++k) {
        const double angle = k * 360.0 / 7 + phase * 6;
        p.Ellipse(Polar(head, angle, 6.5 * open), 4.2 * open, 2.4, look.third, angle);
    }
    p.Disc(head, 5 * open, look.third.Shade(2));
    p.Disc(head, 3.6 * open, Index(kRed, 1));
    for (int k = 0; k < 8; ++k) {
        const double angle = k * 45 + 20;
        p.FlatPolygon(
            {Polar(head, angle - 9, 3.8 * open), Polar(head, angle, 1.8 * open), Polar(head, angle + 9, 3.8 * open)},
            Index(kBone, 15));
    }
}

// ---------------------------------------------------------------------------------------------
// The eighteen kinds of the demo, in the order of its monster table.

struct Kind {
    int width, height;              // of the body plan's design, in design units
    int canvas;                     // width of the picture, in design units, the design centred in it
    double scale;                   // pixels per design unit at rank size 1
    std::array<DemoRamp, 4> bodies; // body colours by rank
    std::function<void(Painter&, Pose, const Look&)> draw;
    Look look;
};

Look MakeLook(Paint body, Paint second, Paint third, uint8_t eyes)
{
    return {body, second, third, kMetal, kWood, eyes};
}

std::vector<Kind> Kinds()
{
    const uint8_t red = Index(kRed, 14), yellow = Index(kYellow, 14), green = Index(kGreen, 14);
    const uint8_t sky = Index(kSky, 15), violet = Index(kViolet, 15), dark = Index(kGrey, 1);
    auto figure = [](Figure f) {
        return [f](Painter& p, Pose pose, const Look& look) { DrawFigure(p, pose, look, f); };
    };
    auto beast = [](Beast b) { return [b](Painter& p, Pose pose, const Look& look) { DrawBeast(p, pose, look, b); }; };
    std::vector<Kind> kinds;
    // Rat, bat, kobold, goblin, orc warrior, skeleton.
    kinds.push_back(
        {64,
         40,
         60,
         0.85,
         {kBrown, kGrey, kRust, kBone},
         beast({.length = 0.75, .height = 0.95, .legs = 0.4, .snout = 0.8, .roundEars = true, .thinTail = true}),
         MakeLook({kBrown, 2, 11}, {kBrown, 7, 13}, {kFlesh, 4, 12}, red)});
    kinds.push_back({48,
                     40,
                     48,
                     1,
                     {kBrown, kViolet, kGrey, kRust},
                     DrawBat,
                     MakeLook({kBrown, 2, 10}, {kBrown, 1, 7}, {kBrown, 1, 7}, red)});
    kinds.push_back(
        {48,
         72,
         48,
         0.75,
         {kRust, kBrown, kOrange, kMoss},
         figure({.head = Head::Dog, .weapon = Weapon::Spear, .shoulders = 0.8, .arms = 0.9, .headSize = 1.15}),
         MakeLook({kRust, 3, 12}, {kBrown, 2, 9}, {kBrown, 1, 7}, yellow)});
    kinds.push_back(
        {48,
         72,
         48,
         0.75,
         {kGreen, kMoss, kTeal, kYellow},
         figure({.head = Head::Goblin, .weapon = Weapon::Dagger, .shoulders = 0.8, .arms = 0.9, .headSize = 1.2}),
         MakeLook({kGreen, 3, 11}, {kRust, 2, 9}, {kBrown, 1, 7}, yellow)});
    kinds.push_back({48,
                     72,
                     60,
                     1,
                     {kMoss, kGreen, kBrown, kGrey},
                     figure({.head = Head::Brute,
                             .weapon = Weapon::Axe,
                             .shield = true,
                             .tusks = true,
                             .shoulders = 1.15,
                             .limbs = 1.2}),
                     MakeLook({kMoss, 3, 11}, {kGrey, 2, 9}, {kRust, 2, 9}, red)});
    kinds.push_back({48,
                     72,
                     52,
                     1,
                     {kBone, kGrey, kParchment, kYellow},
                     figure({.head = Head::Skull, .weapon = Weapon::Sword, .shield = true, .bones = true}),
                     MakeLook({kBone, 4, 14}, {kBone, 4, 14}, {kRust, 2, 8}, red)});
    // Zombie, wolf, spider, slime, troll, ogre.
    kinds.push_back({48,
                     72,
                     48,
                     1,
                     {kMoss, kTeal, kGrey, kGreen},
                     figure({.head = Head::Human, .shoulders = 0.95, .arms = 1.1}),
                     MakeLook({kMoss, 3, 10}, {kBrown, 1, 7}, {kGrey, 1, 6}, Index(kYellow, 10))});
    kinds.push_back({64,
                     44,
                     64,
                     1,
                     {kGrey, kBrown, kBone, kRust},
                     beast({.length = 1, .height = 1, .legs = 1, .snout = 1, .mane = true}),
                     MakeLook({kGrey, 3, 11}, {kGrey, 8, 13}, {kGrey, 3, 11}, yellow)});
    kinds.push_back({64,
                     48,
                     64,
                     1,
                     {kViolet, kGrey, kBrown, kGreen},
                     DrawSpider,
                     MakeLook({kViolet, 1, 8}, {kViolet, 1, 8}, {kRed, 5, 12}, red)});
    kinds.push_back({48,
                     40,
                     48,
                     1,
                     {kTeal, kGreen, kViolet, kYellow},
                     DrawSlime,
                     MakeLook({kTeal, 4, 13}, {kTeal, 4, 13}, {kTeal, 4, 13}, dark)});
    kinds.push_back({48,
                     72,
                     64,
                     1.2,
                     {kMoss, kGreen, kTeal, kGrey},
                     figure({.head = Head::Brute,
                             .weapon = Weapon::Club,
                             .hunched = true,
                             .bare = true,
                             .shoulders = 1.2,
                             .arms = 1.35,
                             .headSize = 0.9,
                             .limbs = 1.3}),
                     MakeLook({kMoss, 2, 10}, {kBrown, 1, 6}, {kBrown, 1, 6}, yellow)});
    kinds.push_back({48,
                     72,
                     68,
                     1.2,
                     {kFlesh, kBrown, kRust, kOrange},
                     figure({.head = Head::Brute,
                             .weapon = Weapon::Club,
                             .tusks = true,
                             .bare = true,
                             .shoulders = 1.35,
                             .belly = 1.1,
                             .headSize = 0.95,
                             .limbs = 1.5}),
                     MakeLook({kFlesh, 3, 11}, {kBrown, 2, 8}, {kBrown, 1, 6}, red)});
    // Wraith, drake, lich, vine, bandit, mage.
    kinds.push_back({56,
                     80,
                     56,
                     1,
                     {kViolet, kBlue, kGrey, kTeal},
                     DrawWraith,
                     MakeLook({kGrey, 5, 12}, {kViolet, 1, 7}, {kViolet, 1, 6}, sky)});
    kinds.push_back({122,
                     72,
                     122,
                     0.85,
                     {kRed, kGreen, kBlue, kGold},
                     DrawDrake,
                     MakeLook({kRed, 3, 12}, {kOrange, 6, 14}, {kRust, 3, 10}, yellow)});
    kinds.push_back({48,
                     72,
                     52,
                     1,
                     {kViolet, kGrey, kRed, kGreen},
                     figure({.head = Head::Hood, .weapon = Weapon::Staff, .robe = true, .crown = true, .bones = true}),
                     MakeLook({kBone, 4, 14}, {kViolet, 2, 10}, {kGreen, 2, 9}, green)});
    kinds.push_back({56,
                     72,
                     56,
                     1,
                     {kGreen, kMoss, kTeal, kViolet},
                     DrawVine,
                     MakeLook({kGreen, 2, 10}, {kMoss, 3, 11}, {kRed, 4, 13}, red)});
    kinds.push_back({48,
                     72,
                     52,
                     1,
                     {kBrown, kGrey, kGreen, kRust},
                     figure({.head = Head::Hood, .weapon = Weapon::Sword}),
                     MakeLook({kFlesh, 4, 12}, {kBrown, 2, 9}, {kBrown, 1, 8}, dark)});
    kinds.push_back({48,
                     72,
                     52,
                     1,
                     {kBlue, kViolet, kRed, kGrey},
                     figure({.head = Head::Hood, .weapon = Weapon::Staff, .robe = true}),
                     MakeLook({kFlesh, 4, 12}, {kBlue, 2, 10}, {kSky, 2, 10}, violet)});
    return kinds;
}

struct Rank {
    double size;
    int colour; // which of the kind's body colours; -1 for one of its own below
    DemoRamp ramp;
    int dark, light;
};

// "", Greater, Elder, Dread, Ancient, Giant, Mad, Black, White, Red, Grey, Old, Young, Wild.
constexpr Rank kRanks[] = {
    {1.0, 0, kGrey, 0, 0},   {1.15, 1, kGrey, 0, 0}, {1.1, 2, kGrey, 0, 0},   {1.1, 3, kGrey, 0, 0},
    {1.2, 2, kGrey, 0, 0},   {1.3, 1, kGrey, 0, 0},  {1.0, 3, kGrey, 0, 0},   {1.0, -1, kGrey, 0, 5},
    {1.0, -1, kBone, 7, 15}, {1.0, -1, kRed, 3, 12}, {1.0, -1, kGrey, 4, 11}, {1.05, 2, kGrey, 0, 0},
    {0.8, 0, kGrey, 0, 0},   {1.0, 3, kGrey, 0, 0},
};

// A rank recolours what is drawn in the kind's own colour, or the body alone for the ranks
// that name a colour.
Look RankLook(const Kind& kind, const Rank& rank)
{
    Look look = kind.look;
    if (rank.colour < 0) {
        const DemoRamp was = look.body.ramp;
        look.body = {rank.ramp, rank.dark, rank.light};
        if (look.second.ramp == was)
            look.second = look.body;
        return look;
    }
    for (Paint* paint : {&look.body, &look.second, &look.third})
        if (paint->ramp == kind.bodies[0])
            paint->ramp = kind.bodies[rank.colour];
    return look;
}

int RoundUp8(double value) { return (static_cast<int>(std::ceil(value)) + 7) / 8 * 8; }

Grid DrawFrame(const Kind& kind, const Look& look, Pose pose, double size, int resolution)
{
    size *= kind.scale;
    const int width = RoundUp8(kind.canvas * size), height = RoundUp8(kind.height * size);
    Grid grid(width * resolution, height * resolution);
    const double scale = size * resolution;
    // Centred across, standing on the bottom.
    const Pt origin{(grid.width - kind.width * scale) / 2, grid.height - kind.height * scale};
    Painter painter(grid, scale, origin);
    kind.draw(painter, pose, look);
    return grid;
}

} // namespace

std::map<std::string, PicFile> DemoMonsterPictures(Edition edition, std::vector<Record>& monsters)
{
    // Numbers whose picture files hold other pictures of the game (map tiles, sphere frames,
    // the main window's pictures); those monsters show those pictures, as in the game.
    constexpr int kTaken[] = {3, 4, 7, 11, 14, 16, 63};
    const bool gold = edition == Edition::Gold;
    const int resolution = gold ? 2 : 1;
    const std::vector<Kind> kinds = Kinds();
    std::map<std::string, PicFile> pictures;
    for (size_t number = 0; number < monsters.size(); ++number) {
        Record& record = monsters[number];
        record.resize(scenario::kMonsterSize, 0);
        if (std::find(std::begin(kTaken), std::end(kTaken), number) != std::end(kTaken)) {
            record[215] = '-';
            continue;
        }
        const Kind& kind = kinds[number % kinds.size()];
        const Rank& rank = kRanks[number / kinds.size() % std::size(kRanks)];
        const Look look = RankLook(kind, rank);
        PicFile picture{gold ? pic::Form::Plain : pic::Form::MaskedBlocks, {}};
        for (Pose pose : {Pose::Rest, Pose::Breathe, Pose::Windup, Pose::Strike})
            picture.frames.push_back(DrawFrame(kind, look, pose, rank.size, resolution).Frame());

        // The frame mark: "0" and "*" leave the last frame out (here: struck, in a flash of
        // red), "+" one frame more in Gold (fading to grey); any other mark shows all frames.
        static constexpr uint8_t kMarks[] = {'0', '*', '+', '-'};
        const uint8_t mark = kMarks[number % 4];
        record[215] = mark;
        if (mark != '-') {
            Grid struck = DrawFrame(kind, look, Pose::Rest, rank.size, resolution);
            Tint(struck, kRed, 2);
            picture.frames.push_back(struck.Frame());
        }
        if (mark == '+' && gold) {
            Grid fading = DrawFrame(kind, look, Pose::Rest, rank.size, resolution);
            Tint(fading, kGrey, -2);
            picture.frames.push_back(fading.Frame());
        }
        char name[32];
        std::snprintf(name, sizeof name, "MON%.2zu.PIC", number);
        pictures[name] = std::move(picture);
    }
    return pictures;
}

} // namespace gamebuild::art

// The volume method: of the 1000 litres of a cubic metre, what air, cement and water leave
// is aggregate; stone fills its share at the stone density and the sand follows from the
// stone through the sand ratio. Each formula is evaluated in double precision from single
// operands and stored once in single precision.
#include "proportions.h"
#include "steps.h"

namespace mixora::calc {

namespace {

// Mass over density, stored in single precision and then rounded to hundredths through its
// text, as the volume the user would read.
float Volume(const StepContext& s, int mass_field, int density_field) {
    const float mass = s.single(mass_field);
    const float density = s.single(density_field);
    const float volume = s.store(s.div(mass, density, density_field), density_field);
    return s.single_of(s.fixed2(volume), mass_field);
}

} // namespace

float tijifa(const PressContext& press, float tjfsl, std::string dx) {
    const StepContext s{press, Step::tijifa};
    const float k = s.store(s.sub(1.0, tjfsl, 15), 15);
    const float cement_volume = Volume(s, 4, 18); // cement content, cement density
    const float water_volume = Volume(s, 26, 23); // water content, water density

    const float air = s.single(25); // percent, 10 litres each
    double aggregate = s.sub(1000.0, s.mul(air, 10.0, 25), 25);
    aggregate = s.sub(aggregate, cement_volume, 4);
    aggregate = s.sub(aggregate, water_volume, 26);
    const float va = s.store(aggregate, 25);

    const float stone_density = s.single(22); // also for the sand
    const float stone = s.store(s.mul(s.mul(stone_density, va, 22), k, 22), 22);
    // A sand ratio of 1 leaves k = 0 and ends here with 0 / 0, whichever mass is asked for.
    const float sand = s.store(s.div(s.mul(stone, tjfsl, 15), k, 15), 15);
    return dx == "1" ? stone : sand;
}

void tjfjs(const PressContext& press) {
    const StepContext s{press, Step::tjfjs};
    const float stone_ratio = s.store(s.leading(15), 15);
    s.write(13, s.plain(tijifa(press, stone_ratio, "1")));
    const float sand_ratio = s.store(s.leading(15), 15);
    s.write(12, s.plain(tijifa(press, sand_ratio, "2")));
    s.write(11, s.text(4));
    s.write(14, s.text(26));

    // From the amount texts just written, so the proportions agree with what is shown.
    WriteProportion(s, 33, s.leading(14));
    WriteProportion(s, 32, s.leading(13));
    WriteProportion(s, 31, s.leading(12));
    WriteProportion(s, 30, s.leading(11));
}

} // namespace mixora::calc

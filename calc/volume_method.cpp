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
float Volume(const StepContext& s, Field mass_field, Field density_field) {
    const float mass = s.single(mass_field);
    const float density = s.single(density_field);
    const float volume = s.store(s.div(mass, density, density_field), density_field);
    return s.single_of(s.fixed2(volume), mass_field);
}

} // namespace

float tijifa(const PressContext& press, float tjfsl, std::string dx) {
    const StepContext s{press, Step::tijifa};
    s.argument(Text15, tjfsl);
    const float k = s.store(s.sub(1.0, tjfsl, Text15), Text15);
    const float cement_volume = Volume(s, Text4, Text18); // cement content, cement density
    const float water_volume = Volume(s, Text26, Text23); // water content, water density

    const float air = s.single(Text25); // percent, 10 litres each
    double aggregate = s.sub(1000.0, s.mul(air, 10.0, Text25), Text25);
    aggregate = s.sub(aggregate, cement_volume, Text4);
    aggregate = s.sub(aggregate, water_volume, Text26);
    const float va = s.store(aggregate, Text25);

    const float stone_density = s.single(Text22); // also for the sand
    const float stone = s.store(s.mul(s.mul(stone_density, va, Text22), k, Text22), Text22);
    // A sand ratio of 1 leaves k = 0 and ends here with 0 / 0, whichever mass is asked for.
    const float sand = s.store(s.div(s.mul(stone, tjfsl, Text15), k, Text15), Text15);
    return dx == "1" ? stone : sand;
}

void tjfjs(const PressContext& press) {
    const StepContext s{press, Step::tjfjs};
    const float stone_ratio = s.store(s.leading(Text15), Text15);
    s.write(Text13, s.plain(tijifa(press, stone_ratio, "1")));
    const float sand_ratio = s.store(s.leading(Text15), Text15);
    s.write(Text12, s.plain(tijifa(press, sand_ratio, "2")));
    s.write(Text11, s.text(Text4));
    s.write(Text14, s.text(Text26));

    // From the amount texts just written, so the proportions agree with what is shown.
    WriteProportion(s, Text33, s.leading(Text14));
    WriteProportion(s, Text32, s.leading(Text13));
    WriteProportion(s, Text31, s.leading(Text12));
    WriteProportion(s, Text30, s.leading(Text11));
}

} // namespace mixora::calc

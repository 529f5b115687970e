#include "tables/core/ReferenceTables.h"

namespace talvo {

void InitialiseCountermeasures(AssessmentState& state)
{
    state.NoSuitableCountermeasures.Message = QStringLiteral("There are no suitable countermeasures available.");
    state.NoCountermeasuresNeeded.Message = QStringLiteral("No countermeasures are needed. ");
    state.NoSuitableCountermeasures.IsSet = false;
    state.NoCountermeasuresNeeded.IsSet = false;

    auto set = [&state](int index, const QString& name, const QString& description) {
        state.Countermeasures(index).Name = name;
        state.Countermeasures(index).Description = description;
    };
    // Grouped by farm type: dairy 0-6, lowland sheep 7-14, upland sheep 15-30, lowland beef 31-36,
    // upland beef 37-48, deer 49-52, arable 54-61. Slot 53 is never filled. The names keep their stored
    // irregularities (the trailing blank of 13, the two blanks of 27): they are keys in saved files.
    set(0, QStringLiteral("Administer AFCF to dairy cows."),
        QStringLiteral("Give approx. 0.4 g AFCF (ammonium-iron-hexacyanoferrate = prussian blue) to cows daily when indoors for milking."));
    set(1, QStringLiteral("Supply Ca."),
        QStringLiteral("Give 200 g Ca a day to each dairy cow as calcium carbonate mixed into the feed. This reduces the transfer of radiostrontium to milk."));
    set(2, QStringLiteral("Feed dairy cows clean concentrate."),
        QStringLiteral("Feed dairy cows uncontaminated concentrate for up to 80% of their energy intake, both when grazing and when indoors."));
    set(3, QStringLiteral("Exclude production of dairy cows."),
        QStringLiteral("Cease animal production and leave land fallow."));
    set(4, QStringLiteral("Afforestation of area where dairy cows are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(5, QStringLiteral("Feed dairy cows concentrate grown on the farm."),
        QStringLiteral("Grow barley on grassland ploughed to 25 cm depth and feed it to dairy cows as concentrate for up to 80% of their energy intake."));
    set(6, QStringLiteral("Supply Ca & feed clean concentrate."),
        QStringLiteral("Give 200 g Ca a day to each dairy cow as calcium carbonate mixed into the feed. This reduces the transfer of radiostrontium to milk. Feed dairy cows uncontaminated concentrate for up to 80% of their energy intake, both when grazing and when indoors."));
    set(7, QStringLiteral("Administer AFCF to lowland sheep."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks."));
    set(8, QStringLiteral("Fatten lowland lambs on clean concentrate."),
        QStringLiteral("Wean lambs early and fatten them indoors on uncontaminated concentrate for the last 3 months before slaughter."));
    set(9, QStringLiteral("Lime the soil of the lowland sheep farm."),
        QStringLiteral("Apply 2 t/ha of lime (CaCO3) to the soil surface every 2 years."));
    set(10, QStringLiteral("Exclude production of lowland sheep."),
        QStringLiteral("Cease animal production and leave land fallow."));
    set(11, QStringLiteral("Fatten lowland lambs on clean roughage."),
        QStringLiteral("Feed lambs uncontaminated hay or silage during the last part of the fattening period. Sell for slaughter."));
    set(12, QStringLiteral("Afforestation of area where lowland sheep are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(13, QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage "),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks. Feed lambs uncontaminated hay or silage during the last part of the fattening period. Sell for slaughter."));
    set(14, QStringLiteral("Apply K fertiliser to area where lowland sheep graze."),
        QStringLiteral("Apply 100 kg/ha of potassium to the soil surface annually."));
    set(15, QStringLiteral("Administer AFCF to upland sheep."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill."));
    set(16, QStringLiteral("Improve land where upland sheep are."),
        QStringLiteral("Improve rough grazing by cultivation, application of lime and N-P-K fertiliser and sowing of grass/clover mix."));
    set(17, QStringLiteral("Intensify the use of improved land where upland sheep are."),
        QStringLiteral("Reseed existing improved grassland more frequently and increase annual fertiliser application of N-P-K."));
    set(18, QStringLiteral("Lime the soil where upland sheep are."),
        QStringLiteral("Apply 2 t/ha of lime (CaCO3) to the soil surface every 2 years."));
    set(19, QStringLiteral("Apply K fertiliser to area where upland sheep graze."),
        QStringLiteral("Apply 100 kg/ha of potassium to the soil surface annually."));
    set(20, QStringLiteral("Sell upland lambs early for fattening."),
        QStringLiteral("Wean lambs early and sell them for finishing outside the contaminated area; slaughter restrictions apply until activity falls below the limit."));
    set(21, QStringLiteral("Exclude production of upland sheep."),
        QStringLiteral("Cease animal production and leave land fallow."));
    set(22, QStringLiteral("Afforestation of area where upland sheep are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(23, QStringLiteral("Fatten upland sheep on clean roughage."),
        QStringLiteral("Bring sheep to the in-bye land and feed uncontaminated hay or silage during the last part of the fattening period. Sell for slaughter."));
    set(24, QStringLiteral("Fatten upland sheep on clean concentrate."),
        QStringLiteral("House sheep and feed uncontaminated concentrate for up to 80% of their energy intake during the last 3 months of fattening. Sell for slaughter."));
    set(25, QStringLiteral("Sell upland lambs for fattening."),
        QStringLiteral("Sell lambs as stores for finishing outside the contaminated area; slaughter restrictions apply until activity falls below the limit."));
    set(26, QStringLiteral("Administer AFCF to upland sheep & fatten on clean roughage."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill. Bring sheep to the in-bye land and feed uncontaminated hay or silage during the last part of the fattening period. Sell for slaughter."));
    set(27, QStringLiteral("Administer AFCF to upland sheep &  sell for fattening."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill. Sell lambs as stores for finishing outside the contaminated area; slaughter restrictions apply until activity falls below the limit."));
    set(28, QStringLiteral("Administer AFCF to upland sheep & intensify improved land."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill. Reseed existing improved grassland more frequently and increase annual fertiliser application of N-P-K."));
    set(29, QStringLiteral("Administer AFCF to upland sheep & apply K fertiliser."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill. Apply 100 kg/ha of potassium to the soil surface annually."));
    set(30, QStringLiteral("Administer AFCF to upland sheep & improve land."),
        QStringLiteral("Give approx. 0.1 g AFCF a day to each ewe and 0.06 g a day to each lamb as boli or in feed blocks on the hill. Improve rough grazing by cultivation, application of lime and N-P-K fertiliser and sowing of grass/clover mix."));
    set(31, QStringLiteral("Administer AFCF to lowland cattle."),
        QStringLiteral("Give approx. 0.4 g AFCF (ammonium-iron-hexacyanoferrate = prussian blue) to each animal daily in the feed while housed for fattening."));
    set(32, QStringLiteral("Lime the soil where lowland beef cattle are."),
        QStringLiteral("Apply 2 t/ha of lime (CaCO3) to the soil surface every 2 years."));
    set(33, QStringLiteral("Fatten lowland cattle on clean feed."),
        QStringLiteral("Feed beef cattle uncontaminated concentrate and roughage during the last part of the fattening  period. Sell for slaughter."));
    set(34, QStringLiteral("Afforestation of area where lowland beef cattle are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(35, QStringLiteral("Exclude production of lowland beef."),
        QStringLiteral("Cease animal production & leave land fallow."));
    set(36, QStringLiteral("Apply K fertiliser to area where lowland beef cattle are."),
        QStringLiteral("Apply 100 kg/ha of potassium to the soil surface annually."));
    set(37, QStringLiteral("Administer AFCF to upland cattle."),
        QStringLiteral("Give upland cattle 3 AFCF boli each at the start of grazing, releasing approx. 0.4 g AFCF a day."));
    set(38, QStringLiteral("Improve land where upland beef cattle graze."),
        QStringLiteral("Improve rough grazing by cultivation, application of lime and N-P-K fertiliser and sowing of grass/clover mix."));
    set(39, QStringLiteral("Intensify the use of improved land where upland beef cattle graze."),
        QStringLiteral("Reseed existing improved grassland more frequently and increase annual fertiliser application of N-P-K."));
    set(40, QStringLiteral("Apply K fertiliser to where upland beef cattle graze."),
        QStringLiteral("Apply 100 kg/ha of potassium to the soil surface annually."));
    set(41, QStringLiteral("Lime the soil where upland beef cattle graze."),
        QStringLiteral("Apply 2 t/ha of lime (CaCO3) to the soil surface every 2 years."));
    set(42, QStringLiteral("Sell upland cattle for fattening."),
        QStringLiteral("Sell cattle as stores for finishing outside the contaminated area; slaughter restrictions apply until activity falls below the limit."));
    set(43, QStringLiteral("Exclude production of upland cattle."),
        QStringLiteral("Cease animal production and leave land fallow."));
    set(44, QStringLiteral("Afforestation of area where upland beef cattle are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(45, QStringLiteral("Fatten upland cattle on clean feed."),
        QStringLiteral("Feed beef cattle uncontaminated concentrate and roughage during the last part of the fattening  period. Sell for slaughter."));
    set(46, QStringLiteral("Administer AFCF to upland cattle & improve land."),
        QStringLiteral("Give upland cattle 3 AFCF boli each at the start of grazing, releasing approx. 0.4 g AFCF a day. Improve rough grazing by cultivation, application of lime and N-P-K fertiliser and sowing of grass/clover mix."));
    set(47, QStringLiteral("Administer AFCF to upland cattle & intensify improved land."),
        QStringLiteral("Give upland cattle 3 AFCF boli each at the start of grazing, releasing approx. 0.4 g AFCF a day. Reseed existing improved grassland more frequently and increase annual fertiliser application of N-P-K."));
    set(48, QStringLiteral("Administer AFCF to upland cattle & apply K fertiliser."),
        QStringLiteral("Give upland cattle 3 AFCF boli each at the start of grazing, releasing approx. 0.4 g AFCF a day. Apply 100 kg/ha of potassium to the soil surface annually."));
    set(49, QStringLiteral("Supply hay and AFCF."),
        QStringLiteral("Feed deer hay treated with AFCF at feeding sites through the winter. Wait at least 1 month after the last feeding before hunting."));
    set(50, QStringLiteral("Improve grassland and supply hay & AFCF."),
        QStringLiteral("Improve rough grazing by cultivation, application of lime and N-P-K fertiliser and sowing of grass/clover mix. Feed deer hay treated with AFCF at feeding sites through the winter. Wait at least 1 month after the last feeding before hunting."));
    set(51, QStringLiteral("Afforestation of area where deer are."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(52, QStringLiteral("Cease hunting of deer."),
        QStringLiteral("Cease hunting of deer."));
    set(54, QStringLiteral("Deep plough."),
        QStringLiteral("Plough to 50 cm depth with a deep plough, burying the contaminated topsoil below the rooting zone."));
    set(55, QStringLiteral("Skim & bury."),
        QStringLiteral("Remove the top 5 cm of soil and place at 50 cm depth (special skim and bury plough required)."));
    set(56, QStringLiteral("Shallow plough & apply K fertiliser."),
        QStringLiteral("Application of 100 kg/ha of potassium to the soil annually followed by mouldboard ploughing to 25 cm depth. This countermeasure reduces the plant uptake of radiocaesium."));
    set(57, QStringLiteral("Shallow plough & apply lime."),
        QStringLiteral("Application of 2 t/ha of lime (CaCO3) to the soil every 2 years followed by mouldboard ploughing to 25 cm depth. This countermeasure reduces the plant uptake of radiostrontium."));
    set(58, QStringLiteral("Grow oilseed rape instead of cereal or root crops."),
        QStringLiteral("Grow oilseed rape instead of cereal or root crops."));
    set(59, QStringLiteral("Afforestation of arable land."),
        QStringLiteral("Convert to forestry by mounding, followed by machine or hand planting; use herbicides as necessary."));
    set(60, QStringLiteral("Leave arable land fallow."),
        QStringLiteral("Cease crop production and leave the arable land fallow; cultivate as needed to control weeds."));
    set(61, QStringLiteral("Shallow plough & apply lime and K fertiliser."),
        QStringLiteral("Application of 2 t/ha of lime (CaCO3) to the soil every 2 years and 100 kg/ha of potassium to the soil annually followed by mouldboard ploughing to 25 cm depth. This countermeasure reduces the plant uptake of radiocaesium and radiostrontium."));
}

} // namespace talvo

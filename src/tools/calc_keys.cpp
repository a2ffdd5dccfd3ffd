#include "tools/calc_keys.h"

namespace cifrala {

const std::vector<CalcKey>& calc_keys() {
    // Digit keys 25 x 25 on a 32-pixel grid; scientific keys 44 x 25 unless
    // noted, in the panel's coordinates.
    static const std::vector<CalcKey> keys = {
        {"Button7", "7", "7", 4, 63, 25, 25, false, 0},
        {"Button8", "8", "8", 36, 63, 25, 25, false, 0},
        {"Button9", "9", "9", 68, 63, 25, 25, false, 0},
        {"Button4", "4", "4", 4, 95, 25, 25, false, 0},
        {"Button5", "5", "5", 36, 95, 25, 25, false, 0},
        {"Button6", "6", "6", 68, 95, 25, 25, false, 0},
        {"Button1", "1", "1", 4, 127, 25, 25, false, 0},
        {"Button2", "2", "2", 36, 127, 25, 25, false, 0},
        {"Button3", "3", "3", 68, 127, 25, 25, false, 0},
        {"Button0", "0", "0", 4, 159, 25, 25, false, 0},
        {"Button11", ".", ".", 36, 159, 25, 25, false, 4621},
        {"Button15", "/", " / ", 100, 63, 25, 25, false, 4620},
        {"Button14", "x", " * ", 100, 95, 25, 25, false, 4619},
        {"Button13", "-", " - ", 100, 127, 25, 25, false, 4618},
        {"Button12", "+", " + ", 100, 159, 25, 25, false, 4617},
        {"Button19", "", " SQR( ", 4, 31, 25, 25, false, 4660, CalcKey::RootPicture},
        {"Button16", "^", "^", 36, 31, 25, 25, false, 4614},
        {"Button17", "(", " ( ", 68, 31, 25, 25, false, 4615},
        {"Button18", ")", " ) ", 100, 31, 25, 25, false, 4616},
        // Scientific panel, column x = 0
        {"SpeedButton1", "sin", " SIN( ", 0, 0, 44, 25, true, 0},
        {"SpeedButton2", "cos", " COS( ", 0, 32, 44, 25, true, 0},
        {"SpeedButton3", "tan", " TAN( ", 0, 64, 44, 25, true, 0},
        {"SpeedButton4", "exp", " EXP( ", 0, 96, 44, 25, true, 4628},
        {"SpeedButton5", "abs", " ABS( ", 0, 128, 44, 25, true, 4631},
        // x = 48
        {"SpeedButton6", "arcsin", " ARCSIN( ", 48, 0, 44, 25, true, 4622},
        {"SpeedButton7", "arccos", " ARCCOS( ", 48, 32, 44, 25, true, 4623},
        {"SpeedButton8", "arctan", " ARCTAN( ", 48, 64, 44, 25, true, 4624},
        {"SpeedButton9", "log", " LOG( ", 48, 96, 44, 25, true, 4630},
        {"SpeedButton10", "entier", " ENTIER( ", 48, 128, 44, 25, true, 4632},
        // x = 96
        {"SpeedButton11", "sinh", " SINH( ", 96, 0, 44, 25, true, 4625},
        {"SpeedButton12", "cosh", " COSH( ", 96, 32, 44, 25, true, 4626},
        {"SpeedButton13", "tanh", " TANH( ", 96, 64, 44, 25, true, 4627},
        {"SpeedButton14", "ln", " LN( ", 96, 96, 44, 25, true, 4629},
        {"SpeedButton15", "", " pi ", 96, 128, 44, 25, true, 4661, CalcKey::PiPicture},
        // x = 144, 64 wide
        {"SpeedButton16", "NormLft", " NormLft( ", 144, 0, 64, 25, true, 4633},
        {"SpeedButton17", "NormBtwn", " NormBtwn( ", 144, 32, 64, 25, true, 4634},
        {"SpeedButton18", "NormRght", " NormRght( ", 144, 64, 64, 25, true, 4635},
        {"SpeedButton19", "InvNorm", " InvNorm( ", 144, 96, 64, 25, true, 4636},
        {"SpeedButton20", "NormPdf", " NormPdf( ", 144, 128, 64, 25, true, 4637},
        // x = 211, 60 wide
        {"SpeedButton21", "BinomPdf", " BinomPdf( ", 211, 0, 60, 25, true, 4638},
        {"SpeedButton22", "BinomCdf", " BinomCdf( ", 211, 32, 60, 25, true, 4639},
        {"SpeedButton23", "HypPdf", " HypPdf( ", 211, 64, 60, 25, true, 4640},
        {"SpeedButton24", "HypCdf", " HypCdf( ", 211, 96, 60, 25, true, 4641},
        {"SpeedButton25", "Random", " Random( ", 211, 128, 60, 25, true, 4642},
        {"SpeedButton26", "Gauss", " Gauss( ", 211, 160, 60, 25, true, 4643},
        // x = 274, 70 wide
        {"SpeedButton27", "PoissonPdf", " PoissonPdf( ", 274, 0, 70, 25, true, 4644},
        {"SpeedButton28", "PoissonCdf", " PoissonCdf( ", 274, 32, 70, 25, true, 4645},
        {"SpeedButton29", "GeometPdf", " GeometPdf( ", 274, 64, 70, 25, true, 4646},
        {"SpeedButton30", "GeometCdf", " GeometCdf( ", 274, 96, 70, 25, true, 4647},
        {"SpeedButton31", "NegBinPdf", " NegBinPdf( ", 274, 128, 70, 25, true, 4648},
        {"SpeedButton32", "NegBinCdf", " NegBinCdf( ", 274, 160, 70, 25, true, 4649},
        // x = 347, 28 wide
        {"SpeedButton33", "Fac", " Fac( ", 347, 0, 28, 25, true, 4650},
        {"SpeedButton34", "nPr", " nPr( ", 347, 32, 28, 25, true, 4651},
        {"SpeedButton35", "nCr", " nCr( ", 347, 64, 28, 25, true, 4652},
        {"SpeedButton36", ";", "; ", 347, 160, 28, 25, true, 4653},
    };
    return keys;
}

}  // namespace cifrala

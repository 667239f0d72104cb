// The main window, Form1: the map, the settings, Start and End, the two
// read-outs and the log. It owns the program's society and generator, wires
// the controls to the model, and is the run driver's host: the settings are
// read from its controls and the read-outs and log are written to them.
#pragma once

#include <memory>

#include "model/run.h"
#include "model/society.h"
#include "platform/form.h"
#include "platform/random.h"
#include "window/map_view.h"

namespace vorendal {

class TForm1 : public TForm, public RunHost {
  Q_OBJECT

 public:
  // The clock is the one the generator reseeds from; it must outlive the form.
  explicit TForm1(const TimeOfDayClock& clock = SystemClockInstance());
  ~TForm1() override;

  TPaintBox* MapBox;
  TImage* Image1;
  TMemo* Memo1;
  TLabel* Label2;
  TEdit* Edit1;
  TLabel* Label3;
  TEdit* Edit2;
  TPanel* Panel1;
  TRadioGroup* RadioGroup2;
  TRadioGroup* RadioGroup1;
  TCheckBox* CheckBox1;
  TBitBtn* BitBtn1;
  TBitBtn* BitBtn2;
  TStaticText* StaticText1;
  TStaticText* StaticText2;

  void FormCreate(TObject* Sender);
  void PaintB1(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void BitBtn2Click(TObject* Sender);
  void DefaultValues(TObject* Sender);
  void StrategyMap(TObject* Sender);
  void DrawMap(TObject* Sender);

  const Society& CurrentSociety() const { return society_; }
  RandomGenerator& Random() { return random_; }
  MapView& Map() { return *map_; }

  // RunHost: the controls as the run driver sees them.
  std::int32_t RoundLimit() override;
  double Threshold() override;
  bool LifeTimeOption() override;
  void ShowRound(std::int32_t round) override;
  void ShowTurn(std::int32_t turn) override;
  void AppendLog(std::string_view line) override;

  static const TimeOfDayClock& SystemClockInstance();

 private:
  void CreateControls();

  Society society_;
  RandomGenerator random_;
  std::unique_ptr<MapView> map_;
};

// Maps the faces the window asks for to installed near matches.
void InstallFontSubstitutes();

}  // namespace vorendal

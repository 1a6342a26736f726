object MainForm: TForm
  Caption = 'Track bars'
  Left = 100
  Top = 80
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'TrackBars'
    Filename = 'cc_trackbar.evt'
  end
  object Volume: TTrackBar
    Left = 8
    Top = 8
    Width = 200
    Height = 30
    Max = 20
    Position = 5
  end
  object Balance: TTrackBar
    Left = 8
    Top = 50
    Width = 30
    Height = 150
    Orientation = trVertical
    Min = -5
    Max = 5
  end
end

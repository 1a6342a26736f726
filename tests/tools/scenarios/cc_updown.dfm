object MainForm: TForm
  Caption = 'Up-downs'
  Left = 100
  Top = 80
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'UpDowns'
    Filename = 'cc_updown.evt'
  end
  object Copies: TEdit
    Left = 8
    Top = 8
    Width = 60
    Height = 21
  end
  object CopiesSpin: TUpDown
    Left = 68
    Top = 8
    Width = 16
    Height = 21
    Associate = Copies
    Min = 1
    Max = 5
    Position = 2
  end
  object Zoom: TUpDown
    Left = 8
    Top = 50
    Width = 32
    Height = 16
    Orientation = udHorizontal
    Max = 10
    Wrap = True
  end
end

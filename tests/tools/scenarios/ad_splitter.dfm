object MainForm: TForm
  Caption = 'Splitters'
  Left = 100
  Top = 80
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'AD'
    Filename = 'ad.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Files: TPanel
    Left = 0
    Top = 0
    Width = 120
    Height = 220
    Align = alLeft
  end
  object VSplitter: TSplitter
    Left = 120
    Top = 0
    Width = 4
    Height = 220
    MinSize = 40
  end
  object Output: TPanel
    Left = 0
    Top = 240
    Width = 460
    Height = 80
    Align = alBottom
  end
  object HSplitter: TSplitter
    Left = 0
    Top = 236
    Width = 460
    Height = 4
    Align = alBottom
    MinSize = 40
  end
  object Details: TPanel
    Left = 360
    Top = 0
    Width = 100
    Height = 220
    Align = alRight
  end
  object RSplitter: TSplitter
    Left = 356
    Top = 0
    Width = 4
    Height = 220
    Align = alRight
  end
  object Editor: TMemo
    Left = 124
    Top = 0
    Width = 232
    Height = 220
    Align = alClient
  end
end

object MainForm: TForm
  Caption = 'Outlines'
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
  object Outline1: TOutline
    Left = 8
    Top = 8
    Width = 200
    Height = 200
    Lines = (
      'Vehicles'
      #9'Cars'
      #9#9'Coupe'
      #9#9'Estate'
      #9'Boats'
      'Animals'
      #9'Cats'
      'Plants')
  end
  object Empty: TOutline
    Left = 220
    Top = 8
    Width = 200
    Height = 100
  end
end

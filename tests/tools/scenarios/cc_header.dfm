object MainForm: TForm
  Caption = 'Headers'
  Left = 100
  Top = 80
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'CC'
    Filename = 'cc.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Header1: THeaderControl
    Left = 0
    Top = 0
    Width = 300
    Height = 20
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Text = 'Size'
        Width = 60
      end
      item
        Text = 'Date'
        Width = 80
      end>
  end
end

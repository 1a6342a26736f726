object MainForm: TForm
  Caption = 'Tabs and pages'
  Left = 100
  Top = 80
  Width = 480
  Height = 360
  object Tracebook1: TKDTracebook
    ApplicationID = 'Tabs'
    Filename = 'cc_tabs.evt'
  end
  object Views: TTabControl
    Left = 8
    Top = 8
    Width = 300
    Height = 60
    Tabs.Strings = (
      'Day'
      'Week'
      'Month')
    TabIndex = 0
  end
  object Pages: TPageControl
    Left = 8
    Top = 80
    Width = 440
    Height = 220
    ActivePage = General
    object General: TTabSheet
      Caption = 'General'
      object NameEdit: TEdit
        Left = 8
        Top = 8
        Width = 120
        Height = 21
      end
    end
    object Details: TTabSheet
      Caption = 'Details'
    end
    object Hidden: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
    object Notes: TTabSheet
      Caption = 'Notes'
    end
  end
end

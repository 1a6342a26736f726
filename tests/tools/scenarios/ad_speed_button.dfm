object MainForm: TForm
  Caption = 'Speed buttons'
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
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
    end
  end
  object Bar: TPanel
    Left = 0
    Top = 0
    Width = 460
    Height = 30
    Align = alTop
    object SaveBtn: TSpeedButton
      Left = 4
      Top = 4
      Width = 60
      Height = 22
      Action = SaveAction
    end
    object BoldBtn: TSpeedButton
      Left = 68
      Top = 4
      Width = 60
      Height = 22
      Caption = '&Bold'
      GroupIndex = 1
      AllowAllUp = True
    end
    object ItalicBtn: TSpeedButton
      Left = 132
      Top = 4
      Width = 60
      Height = 22
      Caption = '&Italic'
      Flat = True
    end
    object OffBtn: TSpeedButton
      Left = 196
      Top = 4
      Width = 60
      Height = 22
      Caption = '&Off'
      Enabled = False
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 40
    Width = 120
    Height = 21
  end
end

object MainForm: TForm
  Caption = 'Tool bars'
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
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
    end
  end
  object ColourMenu: TPopupMenu
    object RedItem: TMenuItem
      Caption = '&Red'
    end
    object GreenItem: TMenuItem
      Caption = '&Green'
    end
  end
  object ToolBar1: TToolBar
    Left = 0
    Top = 0
    Width = 300
    Height = 26
    ShowCaptions = True
    object SaveBtn: TToolButton
      Action = SaveAction
    end
    object Sep1: TToolButton
      Style = tbsSeparator
    end
    object BoldBtn: TToolButton
      Caption = '&Bold'
      Style = tbsCheck
    end
    object ColourBtn: TToolButton
      Caption = '&Colour'
      Style = tbsDropDown
      DropdownMenu = ColourMenu
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 40
    Width = 120
    Height = 21
  end
end
